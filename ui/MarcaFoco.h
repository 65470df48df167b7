// The keyboard focus mark: a clear ring around the word label the keys point at. It lies
// over the grid without taking clicks, and shows only once the keyboard is used.
#pragma once

#include <QWidget>

class MarcaFoco : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGrosor = 3;
    explicit MarcaFoco(QWidget *padre);
    // Rings `objetivo` (a sibling), or hides when null.
    void Rodear(QWidget *objetivo);

protected:
    void paintEvent(QPaintEvent *) override;
};
