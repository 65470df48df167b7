// The keyboard focus mark: a thick ring around the word label the keys point at, black
// outside and white inside, so it stands out on the white window, the red flash, and on
// white and black (found) labels alike. It lies over the grid without taking clicks, in the
// gap between the labels, and shows only once the keyboard is used.
#pragma once

#include <QWidget>

class QPainter;

class MarcaFoco : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGrosor = 5;  // less than the 7-pixel gap between rows
    explicit MarcaFoco(QWidget *padre);
    // Rings `objetivo` (a sibling), or hides when null.
    void Rodear(QWidget *objetivo);
    // The same ring painted just inside `fuera`: the title menu's choices wear it too.
    static void Pintar(QPainter &p, const QRect &fuera);

protected:
    void paintEvent(QPaintEvent *) override;
};
