#pragma once
#include <QColor>
#include <QObject>
#include <QString>

namespace forms {
class Form;
class Label;
} // namespace forms

namespace drills {

// How one window draws, words and colours its fact cards.
struct FactCardTable {
    enum class Fact {
        Division,       // x × y ÷ y, answered by x
        Multiplication, // x × y, answered by the product
    };
    // Both numbers are drawn below the bound; with redrawZero the whole draw
    // is made again, reseeding, while the second number is 0.
    struct Draw {
        int below = 11;
        bool redrawZero = true;
    };

    Fact fact = Fact::Multiplication;
    Draw first;       // the card shown when the window loads
    Draw later;       // every card Enter draws
    bool equals = true; // "=" right after the second number
    QColor faceColor = QColor(0xFF, 0xFF, 0xFF);
    QColor answerColor = QColor(0xFF, 0xFF, 0x00);
    bool escCloses = false; // Esc, after turning the card, closes the window
};

// The fact as the card shows it, numbers as plain decimals, the sign between
// blanks: "56 ÷ 8=", "7 × 8=", "7 × 8".
QString factText(const FactCardTable &table, int x, int y);
int factAnswer(const FactCardTable &table, int x, int y);

// A flash card on a label of a window: shows a fact in the face colour; a
// turning key shows the answer in the answer colour; Enter then draws a new
// card, and Esc closes (unloads) the window where the table says so. Keys that
// type no character change nothing. It takes the keys through the window's key
// preview, which start() turns on, as the window's key preview handler. The
// window sizes the label (an auto-sized label keeps every card whole).
class FactCard : public QObject {
    Q_OBJECT
public:
    FactCard(forms::Form *window, forms::Label *card, const FactCardTable &table);

    // Takes the window's keys and draws and shows the first card; call it
    // when the window loads.
    void start();

    // A key press, by its code as forms::keyCode gives it (0: no character).
    void keyPress(int code);

    int x() const { return x_; }
    int y() const { return y_; }
    int answer() const { return answer_; }
    bool turned() const { return turned_; }
    const FactCardTable &table() const { return table_; }

private:
    void newCard(const FactCardTable::Draw &draw);
    void reveal();

    forms::Form *window_;
    forms::Label *card_;
    FactCardTable table_;
    int x_ = 0;
    int y_ = 0;
    int answer_ = 0;
    bool turned_ = false;
};

} // namespace drills
