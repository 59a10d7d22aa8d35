#pragma once
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>

#include <optional>

namespace forms {

class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget *parent, const QString &name, const QString &caption = QString());
    // The text colour; a disabled label shows its text greyed.
    void setForeColor(const QColor &color);
    void setBackColor(const QColor &color);
    QString caption() const { return text(); }

signals:
    void clicked();
    void mouseMoved();
    // setCaption gave it another caption, now placed and measured.
    void captionChanged();

public:
    // The caption is drawn in the design font at its design size. A fixed
    // box wraps it at blanks; where the whole caption does not fit, the box
    // grows around its design centre, inside the window and clear of the
    // other controls, before the caption is drawn smaller (not below
    // MinimumScale of the design size unless the caption would be cut even
    // there). font() is the font drawn.
    void setCaption(const QString &c);
    void setText(const QString &c) { setCaption(c); }
    // The font the design gives (set with setFont).
    QFont designFont() const { return designFont_; }
    // Whether the caption is drawn smaller than the design font.
    bool shrunk() const { return shrunk_; }
    // The box the program gave, before any growing.
    QRect designBox() const { return designBox_; }
    // The alignment and wrapping the caption is drawn with, and where.
    int drawFlags() const;
    QRect textRect() const;
    // Measures for placing the label beside others: the width a fixed box of
    // its design height needs for its caption on one line at the design
    // size, its margins included; and where the caption, drawn at the design
    // size in a box of a size, leaves ink (empty for none).
    int lineWidth() const;
    QRect captionInk(const QSize &box) const;
    static constexpr double MinimumScale = 0.8;

    // An auto-sized label takes the size of its caption, on one line, in its
    // design font, from its design Left and Top; it moves in only as far as
    // it must to stay inside its window.
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    // A fixed box without word wrap keeps its caption on one line: the box
    // grows around its centre, then the caption is drawn smaller.
    void setWordWrap(bool on);

    // The part of the window the label keeps to, in its window's pixels, in
    // place of the whole window: a caption moves in, or a box grows, only as
    // far as this room's edge. An empty room is the window.
    void setRoom(const QRect &room);
    QRect room() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();
    void fitBox(const QString &c);
    void place(const QRect &r);
    QFont designFont_;
    QString fittedText_;
    int fittedFlags_ = 0;
    QRect designBox_, applied_, room_;
    // What the last fit measured, so an unchanged caption, font and room are not measured again.
    struct Measured {
        QString text;
        QFont font;
        QRect box;
        QRect window;
        int flags = 0;
        QList<QRect> others;
        QMargins margins;
        bool operator==(const Measured &) const = default;
    };
    std::optional<Measured> measured_;
    QWidget *watchedParent_ = nullptr;
    bool autoSize_ = false;
    bool shrunk_ = false;
    bool fitting_ = false;
    bool pressed_ = false;
};

} // namespace forms
