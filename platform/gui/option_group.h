#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace gui {

// An option-button array: a frame of exclusive option buttons addressed by index. Selecting a
// button in code raises Click exactly as a user's click does. The frame carries the array's name
// as its object name; button i is named "<name>(i)".
class OptionGroup : public QGroupBox {
    Q_OBJECT

public:
    // `firstIndex` is the index of the first caption (an array may start at 1).
    OptionGroup(const QString& name, const QString& frameCaption, const QStringList& captions, int firstIndex = 0,
                int columns = 1, QWidget* parent = nullptr);

    int FirstIndex() const { return firstIndex_; }
    int LastIndex() const { return firstIndex_ + static_cast<int>(buttons_.size()) - 1; }
    // The Value of button `index`; false for an index the array does not have.
    bool Value(int index) const;
    // Value = True selects the button (raising Click when it was not selected); False clears it.
    void SetValue(int index, bool value);
    // The selected index, or -1 when none is.
    int Selected() const;
    QRadioButton* Button(int index) const;

signals:
    void Click(int index);

private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
    int firstIndex_;
};

}  // namespace gui
