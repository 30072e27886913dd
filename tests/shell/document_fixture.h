#pragma once

#include "fake_rating.h"
#include "result_texts.h"
#include "shell_fixture.h"

#include "gui/fore_color.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <memory>
#include <string>

inline const QString kDeg = QString::fromUtf8(quellmar::shell::kDegree);
// The message of every document for a duty that is not a number.
inline const QString kNumeric = "Heat Load, Oil Flow and Temparatues must be numeric.";

// One document of a family, shown, with fakes behind its rating objects.
template <class Document, class Engine>
class DocumentTest : public ShellTest {
protected:
    DocumentTest() : document(std::make_unique<Document>()) {
        document->show();
        QApplication::setActiveWindow(document.get());
        engine.calls->clear();
    }
    ~DocumentTest() override { document->IsDirty(false); }

    void Type(const char* box, const QString& text) { document->TextBox(box)->setText(text); }
    void PressOK() { document->template findChild<QPushButton*>("cmdOK")->click(); }
    QString Text(const char* label) const { return document->Label(label)->text(); }
    long Colour(const char* label) const { return gui::ForeColor(*document->Label(label)); }
    bool Called(const std::string& call) const {
        return std::find(engine.calls->begin(), engine.calls->end(), call) != engine.calls->end();
    }

    Engine engine;
    std::unique_ptr<Document> document;
};
