#pragma once

#include <QAccessibleWidget>

#include <functional>

class QLineEdit;

// Text as a screen reader queries it. Qt's own word and sentence search runs
// for ever at the end of a text; these ones end whatever an assistive
// client asks.
namespace accessibility {

enum class TextPiece {
    Before,
    At,
    After
};

// The character, word, sentence or line of `text` at `offset` (-1: the end),
// or the one before or after it, with its bounds in `start` and `end`
// (both -1 when there is none).
QString PieceOfText(
    const QString& text, int offset, QAccessible::TextBoundaryType boundary, TextPiece piece, int* start, int* end);

// A control whose text a reader can query piece by piece. As it stands it
// is read-only: no selection, the caret at the start.
class TextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;
    using QAccessibleWidget::text;

    void* interface_cast(QAccessible::InterfaceType type) override;

    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(
        int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset, int* endOffset) const override;
    QString textAfterOffset(
        int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset, int* endOffset) const override;
    QString textAtOffset(
        int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset, int* endOffset) const override;
    int characterCount() const override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

protected:
    // The text as the control shows it at the moment of the query.
    virtual QString queriedText() const = 0;

private:
    QString piece(int offset, QAccessible::TextBoundaryType boundary, TextPiece which, int* start, int* end) const;
};

// A control that shows what `shown` returns and takes no edits.
class ShownTextAccessible : public TextAccessible {
public:
    ShownTextAccessible(QWidget* widget, QAccessible::Role role, std::function<QString()> shown);

    // The name is the text itself unless the control has a name of its own;
    // the description only one of its own, never the tool tip.
    QString text(QAccessible::Text type) const override;
    using TextAccessible::text;

protected:
    QString queriedText() const override;

private:
    std::function<QString()> shown_;
};

// A one-line text box. A read-only or disabled box takes no edit from a
// client either: what it holds is what the game stores.
class LineEditAccessible : public TextAccessible, public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* box);

    QString text(QAccessible::Text type) const override;
    using TextAccessible::text;
    void setText(QAccessible::Text type, const QString& text) override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

protected:
    QString queriedText() const override;

private:
    QLineEdit* box() const;
    bool takesEdits() const;
};

} // namespace accessibility
