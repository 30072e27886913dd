#include "gui/message_text.h"

#include "vb/error.h"

namespace gui {

QString MessageBoxText(const QString& prompt) {
    QString text;
    text.reserve(prompt.size());
    for (qsizetype i = 0; i < prompt.size(); ++i) {
        const char16_t c = prompt[i].unicode();
        if (c == u'\r') {
            text += u'\n';
            if (i + 1 < prompt.size() && prompt[i + 1] == u'\n') ++i;
        } else if (c == u'\n' || c == u'\t') {
            text += QChar(c);
        } else if (c < 0x20) {
            text += QChar(char16_t(0x2400 + c));
        } else if (c == 0x7F) {
            text += QChar(char16_t(0x2421));
        } else if (c >= 0x80 && c < 0xA0) {
            text += QChar(QChar::ReplacementCharacter);
        } else {
            text += QChar(c);
        }
    }
    return text;
}

QString ErrorText(const std::exception& error) {
    if (const auto* runtime = dynamic_cast<const vb::RuntimeError*>(&error)) {
        const std::string& description = runtime->Description();
        return QString::fromUtf8(description.data(), qsizetype(description.size()));
    }
    return QString::fromUtf8(error.what());
}

}  // namespace gui
