#include "textbox.h"

#include "codepage.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QValidator>

#include <algorithm>

namespace platform {

namespace {

// Every change of the box passes here, whichever way the text came in.
class OneLine : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
        const qsizetype cut = input.indexOf(lineBreak);
        if (cut >= 0) {
            // The box held no break before, so the text just put in ends at
            // the cursor: all of it from its first break on goes.
            const qsizetype resume = std::max<qsizetype>(pos, input.lastIndexOf(lineBreak) + 1);
            input.remove(cut, resume - cut);
            pos = static_cast<int>(cut);
        }
        return Acceptable;
    }
};

} // namespace

TextBox::TextBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
{
    setValidator(new OneLine(this));
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    QLineEdit::keyPressEvent(event);
    if (!text.isEmpty())
        emit KeyPress(static_cast<unsigned char>(CodePageByte(text.at(0))));
}

} // namespace platform
