#pragma once
#include <QPlainTextEdit>

namespace forms {

// A multi-line text box: it wraps at its width, shows no scroll bars, reads
// right to left and is right-aligned. Its text reads back exactly as written;
// a CR LF pair (or a lone CR or LF) shows as one line break, and a line break
// the pupil types reads back as CR LF. Every change of its text raises
// changed() at once, inside the code that wrote it.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    MultiLineTextBox(QWidget *parent, const QString &name);

    QString text() const { return text_; }
    void setText(const QString &text);
    // Adds text at the end, behind whatever the box holds (the pupil's edits
    // included), as one undo step, without writing the rest again.
    void appendText(const QString &more);

    // A locked box keeps its text as it is but still takes the focus.
    void setLocked(bool on);
    bool locked() const { return isReadOnly(); }

    void setTextColor(const QColor &color);

    // The design's Visible property (not whether the window is on screen).
    bool visibleFlag() const { return !isHidden(); }

    // Every paste (keys, context menu, middle button, drop) comes here: only
    // plain text goes in, and nothing when the data is missing or holds no
    // text. Qt's own insert takes the first format of the data even when the
    // data has none.
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    // What a copy, cut, drag or the selection clipboard takes out: the selected
    // text as it reads back, as plain text only.
    QMimeData *createMimeDataFromSelection() const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

signals:
    void changed();

private:
    void edited();
    void mendEmptyParts();
    // The text between two positions of the document as it reads back.
    QString readBack(int from, int to) const;
    QString text_;
    bool writing_ = false;
};

} // namespace forms
