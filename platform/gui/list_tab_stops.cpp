#include "gui/list_tab_stops.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextOption>

namespace gui {
namespace {

class TabStopDelegate final : public QStyledItemDelegate {
public:
    TabStopDelegate(std::vector<int> stops, QObject* parent) : QStyledItemDelegate(parent), stops_(std::move(stops)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        QTextOption layout;
        layout.setWrapMode(QTextOption::NoWrap);
        layout.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        const double unit = QFontMetricsF(item.font).averageCharWidth() / 4.0;
        QList<QTextOption::Tab> tabs;
        for (int stop : stops_) tabs.append(QTextOption::Tab(stop * unit, QTextOption::LeftTab));
        layout.setTabs(tabs);
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        painter->save();
        painter->setFont(item.font);
        const bool selected = item.state & QStyle::State_Selected;
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRectF(textRect).adjusted(2, 0, 0, 0), text, layout);
        painter->restore();
    }

private:
    std::vector<int> stops_;
};

}  // namespace

void SetListTabStops(QListWidget& list, const std::vector<int>& stopsInDialogUnits) {
    list.setItemDelegate(new TabStopDelegate(stopsInDialogUnits, &list));
}

}  // namespace gui
