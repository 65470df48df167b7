// The keyboard focus mark: a thick ring around the word label the keys point at, black
// outside and white inside, so it stands out on the white window, the red flash, and on
// white and black (found) labels alike. It lies over the grid without taking clicks, in the
// gap between the labels, and shows only once the keyboard is used.
#pragma once

#include <QWidget>

class MarcaFoco : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGrosor = 5;  // less than the 7-pixel gap between rows
    explicit MarcaFoco(QWidget *padre);
    // Rings `objetivo` (a sibling), or hides when null.
    void Rodear(QWidget *objetivo);

protected:
    void paintEvent(QPaintEvent *) override;
};
