#include "document_labels.h"

#include <QLabel>
#include <QWidget>

namespace quellmar::printing {

DocumentLabels::DocumentLabels(const QWidget& document) {
    for (const QLabel* label : document.findChildren<QLabel*>()) {
        if (label->objectName().isEmpty()) continue;
        // Visible as the label's own setting: the results picture around it may be hidden.
        labels_[label->objectName().toStdString()] = {label->text().toStdString(), !label->isHidden()};
    }
}

std::string DocumentLabels::Caption(std::string_view label) const {
    const auto found = labels_.find(label);
    return found == labels_.end() ? std::string() : found->second.caption;
}

bool DocumentLabels::Visible(std::string_view label) const {
    const auto found = labels_.find(label);
    return found != labels_.end() && found->second.visible;
}

}  // namespace quellmar::printing
