#include "Modales.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

QWidget *ModalAbierto()
{
    QWidget *w = QApplication::activeModalWidget();
    if (qobject_cast<QMessageBox *>(w) || qobject_cast<QInputDialog *>(w))
        return w;
    return nullptr;
}

void Anotar(RegistroModales &r, QWidget *w)
{
    if (auto *mb = qobject_cast<QMessageBox *>(w))
        r.textos << mb->text();
    else if (auto *id = qobject_cast<QInputDialog *>(w))
        r.textos << id->labelText();
    r.titulos << w->windowTitle();
}

void Programar(std::shared_ptr<RegistroModales> reg, std::function<void(QWidget *)> respuesta,
    QPointer<QWidget> ultimo, QElapsedTimer reloj, int esperaMaxMs)
{
    QTimer::singleShot(10, [=]() mutable {
        QWidget *w = ModalAbierto();
        if (w && w != ultimo && w->isVisible()) {
            Anotar(*reg, w);
            --reg->pendientes;
            respuesta(w);
            ultimo = w;
            reloj.restart();
        } else if (reloj.elapsed() > esperaMaxMs) {
            return;  // nothing came: the test sees `pendientes` > 0
        }
        if (reg->pendientes > 0)
            Programar(reg, respuesta, ultimo, reloj, esperaMaxMs);
    });
}

}  // namespace

std::shared_ptr<RegistroModales> ResponderModales(
    int veces, std::function<void(QWidget *)> respuesta, int esperaMaxMs)
{
    auto reg = std::make_shared<RegistroModales>();
    reg->pendientes = veces;
    QElapsedTimer reloj;
    reloj.start();
    Programar(reg, std::move(respuesta), nullptr, reloj, esperaMaxMs);
    return reg;
}

void PulsarOk(QWidget *modal)
{
    if (auto *mb = qobject_cast<QMessageBox *>(modal)) {
        if (QAbstractButton *b = mb->button(QMessageBox::Ok)) {
            b->click();
            return;
        }
        mb->accept();
    } else if (auto *d = qobject_cast<QDialog *>(modal)) {
        d->accept();
    }
}

void PulsarBoton(QWidget *modal, int boton)
{
    if (auto *mb = qobject_cast<QMessageBox *>(modal))
        if (QAbstractButton *b = mb->button(static_cast<QMessageBox::StandardButton>(boton)))
            b->click();
}

void EscribirYAceptar(QWidget *modal, const QString &texto)
{
    if (auto *id = qobject_cast<QInputDialog *>(modal)) {
        id->setTextValue(texto);
        id->accept();
    } else {
        PulsarOk(modal);
    }
}

void Cancelar(QWidget *modal)
{
    if (auto *d = qobject_cast<QDialog *>(modal))
        d->reject();
}

struct ContestadorAutomatico::Impl {
    QString nombre;
    RegistroModales registro;
    QTimer timer;
    QPointer<QWidget> ultimo;
};

ContestadorAutomatico::ContestadorAutomatico(QString nombre) : d(std::make_unique<Impl>())
{
    d->nombre = std::move(nombre);
    d->timer.setInterval(5);
    QObject::connect(&d->timer, &QTimer::timeout, [this] {
        QWidget *w = ModalAbierto();
        if (!w || w == d->ultimo || !w->isVisible())
            return;
        d->ultimo = w;
        Anotar(d->registro, w);
        if (qobject_cast<QInputDialog *>(w))
            EscribirYAceptar(w, d->nombre);
        else
            PulsarOk(w);
    });
    d->timer.start();
}

ContestadorAutomatico::~ContestadorAutomatico() = default;
QStringList ContestadorAutomatico::textos() const { return d->registro.textos; }
QStringList ContestadorAutomatico::titulos() const { return d->registro.titulos; }
