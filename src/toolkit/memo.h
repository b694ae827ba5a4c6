#pragma once

#include "control.h"

#include "stream/value.h"

#include <QPlainTextEdit>

#include <string>

namespace tcm::toolkit {

class TMemo;

// The line list of a text box: what the description's "Lines" names.
class TMemoLines {
public:
    explicit TMemoLines(TMemo& memo) : memo_(memo) {}

    // The list's own stored value "Strings": empties the box, then appends
    // each string value as the next line until the list ends. 8-bit strings
    // are taken byte for byte, UTF-8 and wide strings converted to the
    // locale's character set.
    void readStrings(const stream::Value& list);

private:
    TMemo& memo_;
};

// A multi-line text box: word-wrapped, no scroll bars, Tab moves the focus,
// a sunken classic border inside its size.
//
// The box holds its text as 8-bit characters of the user's locale character
// set, every line followed by CR LF, and shows that text decoded back; the
// user edits Qt's document, from which the held text follows.
class TMemo : public QPlainTextEdit, public TControl {
    Q_OBJECT

public:
    explicit TMemo(QWidget* parent = nullptr);

    TMemoLines& Lines() { return lines_; }

    // The held text, and replacing it (which also replaces what the box shows).
    std::string heldText() const;
    void setHeldText(std::string held);
    // The character set of the held text (an iconv name).
    const std::string& codeset() const { return codeset_; }

    bool tabStop() const override { return true; }
    // A text box keeps its stored height when the layout is scaled.
    void scaleLayout(int measured, int stored) override;

    static const ClassInfo& classInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void hideUnfocusedSelection();

    TMemoLines lines_{*this};
    std::string codeset_;
    // The text as last set, which stays the held text until the document
    // changes; edited text is encoded from the document when asked for.
    std::string held_;
    int heldRevision_ = -1;
};

}  // namespace tcm::toolkit
