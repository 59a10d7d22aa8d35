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

signals:
    void changed();

private:
    void edited();
    QString text_;
    bool writing_ = false;
};

} // namespace forms
