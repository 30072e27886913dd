#pragma once

#include "quotation_page.h"

#include <map>
#include <string>
#include <string_view>

class QWidget;

namespace quellmar::printing {

// The captions and own visibility of a document's labels as they are when it is made, so that a
// page can still be printed after the document has closed.
class DocumentLabels final : public LabelSource {
public:
    DocumentLabels() = default;
    explicit DocumentLabels(const QWidget& document);

    std::string Caption(std::string_view label) const override;
    bool Visible(std::string_view label) const override;

private:
    struct Shown {
        std::string caption;
        bool visible = false;
    };
    std::map<std::string, Shown, std::less<>> labels_;
};

}  // namespace quellmar::printing
