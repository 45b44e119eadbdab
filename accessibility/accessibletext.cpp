#include "accessibletext.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>

namespace accessibility {

namespace {

// Where the pieces of `text` begin, and its end: 0, ..., text.size().
QList<int> cuts(const QString& text, QAccessible::TextBoundaryType boundary)
{
    QList<int> at{0};
    if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary) {
        for (int i = 0; i + 1 < text.size(); ++i)
            if (text[i] == QLatin1Char('\n'))
                at.append(i + 1);
    } else if (boundary != QAccessible::NoBoundary) {
        QTextBoundaryFinder finder(boundary == QAccessible::CharBoundary ? QTextBoundaryFinder::Grapheme
                : boundary == QAccessible::WordBoundary                  ? QTextBoundaryFinder::Word
                                                                         : QTextBoundaryFinder::Sentence,
            text);
        // Each step goes strictly forward, so the walk ends within the text.
        for (qsizetype next = finder.toNextBoundary(); next > at.last() && next < text.size();
             next = finder.toNextBoundary())
            if (boundary != QAccessible::WordBoundary
                || (finder.boundaryReasons() & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem)))
                at.append(static_cast<int>(next));
    }
    at.append(static_cast<int>(text.size()));
    return at;
}

} // namespace

QString PieceOfText(
    const QString& text, int offset, QAccessible::TextBoundaryType boundary, TextPiece piece, int* start, int* end)
{
    *start = *end = -1;
    if (offset == -1)
        offset = static_cast<int>(text.size());
    if (text.isEmpty() || offset < 0 || offset > text.size())
        return {};
    const QList<int> at = cuts(text, boundary);
    // The piece that holds `offset`; the end of the text belongs to the last one.
    qsizetype k = 0;
    while (k + 2 < at.size() && at[k + 1] <= offset)
        ++k;
    k += piece == TextPiece::Before ? -1 : piece == TextPiece::After ? 1 : 0;
    if (k < 0 || k + 1 >= at.size())
        return {};
    *start = at[k];
    *end = at[k + 1];
    return text.mid(*start, *end - *start);
}

void* TextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TextAccessible::text(int startOffset, int endOffset) const
{
    return queriedText().mid(startOffset, endOffset - startOffset);
}

// -2 is the caret's place.
QString TextAccessible::piece(
    int offset, QAccessible::TextBoundaryType boundary, TextPiece which, int* start, int* end) const
{
    return PieceOfText(queriedText(), offset == -2 ? cursorPosition() : offset, boundary, which, start, end);
}

QString TextAccessible::textBeforeOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset, int* endOffset) const
{
    return piece(offset, boundaryType, TextPiece::Before, startOffset, endOffset);
}

QString TextAccessible::textAfterOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset, int* endOffset) const
{
    return piece(offset, boundaryType, TextPiece::After, startOffset, endOffset);
}

QString TextAccessible::textAtOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset, int* endOffset) const
{
    return piece(offset, boundaryType, TextPiece::At, startOffset, endOffset);
}

int TextAccessible::characterCount() const
{
    return static_cast<int>(queriedText().size());
}

// One run without attributes over the whole text: a reader that splits a
// line by its runs would lose the last character to an empty run.
QString TextAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void TextAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
}

int TextAccessible::selectionCount() const
{
    return 0;
}

void TextAccessible::addSelection(int, int) { }

void TextAccessible::removeSelection(int) { }

void TextAccessible::setSelection(int, int, int) { }

int TextAccessible::cursorPosition() const
{
    return 0;
}

void TextAccessible::setCursorPosition(int) { }

// Each line of the text has a band of the control, one below the other:
// a reader's review takes characters at one height for one line.
QRect TextAccessible::characterRect(int offset) const
{
    const QString shown = queriedText();
    const QRect whole = rect();
    const qsizetype lines = shown.count(QLatin1Char('\n')) + 1;
    const qsizetype line = shown.left(offset).count(QLatin1Char('\n'));
    const auto top
        = [&whole, lines](qsizetype k) { return whole.top() + static_cast<int>(whole.height() * k / lines); };
    return {QPoint(whole.left(), top(line)), QPoint(whole.right(), top(line + 1) - 1)};
}

int TextAccessible::offsetAtPoint(const QPoint&) const
{
    return -1;
}

void TextAccessible::scrollToSubstring(int, int) { }

ShownTextAccessible::ShownTextAccessible(QWidget* widget, QAccessible::Role role, std::function<QString()> shown)
    : TextAccessible(widget, role)
    , shown_(std::move(shown))
{
}

QString ShownTextAccessible::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name:
        return widget()->accessibleName().isEmpty() ? shown_() : widget()->accessibleName();
    case QAccessible::Description:
        return widget()->accessibleDescription();
    default:
        return TextAccessible::text(type);
    }
}

QString ShownTextAccessible::queriedText() const
{
    return shown_();
}

LineEditAccessible::LineEditAccessible(QLineEdit* box)
    : TextAccessible(box, QAccessible::EditableText)
{
}

QString LineEditAccessible::queriedText() const
{
    return box()->displayText();
}

QLineEdit* LineEditAccessible::box() const
{
    return static_cast<QLineEdit*>(widget());
}

bool LineEditAccessible::takesEdits() const
{
    return box()->isEnabled() && !box()->isReadOnly();
}

QString LineEditAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return box()->displayText();
    return TextAccessible::text(type);
}

void LineEditAccessible::setText(QAccessible::Text type, const QString& text)
{
    if (type != QAccessible::Value)
        TextAccessible::setText(type, text);
    else if (takesEdits())
        box()->setText(text);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = TextAccessible::state();
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return TextAccessible::interface_cast(type);
}

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && box()->hasSelectedText()) {
        *startOffset = box()->selectionStart();
        *endOffset = box()->selectionEnd();
    }
}

int LineEditAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int)
{
    box()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

// Measured from the box's left edge; a name longer than the box scrolls,
// which a client's magnifier may then miss by the scrolled width.
QRect LineEditAccessible::characterRect(int offset) const
{
    const QString shown = box()->displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    const QFontMetrics metrics(box()->font());
    const QRect inside = box()->contentsRect().marginsRemoved(box()->textMargins());
    const int x = inside.left() + 2 + metrics.horizontalAdvance(shown.left(offset));
    const QRect character(x, inside.center().y() - metrics.height() / 2,
        metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height());
    return {box()->mapToGlobal(character.topLeft()), character.size()};
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void LineEditAccessible::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (!takesEdits())
        return;
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    box()->setCursorPosition(startOffset + static_cast<int>(text.size()));
}

} // namespace accessibility
