// SPDX-License-Identifier: GPL-3.0-or-later
#include "BotaoTeclado.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {

constexpr const char* PropriedadeBotao = "tastavoBotaoTeclado";

bool TeclaDeAcionar(const QKeyEvent* evento) {
    const int tecla = evento->key();
    const Qt::KeyboardModifiers outros = evento->modifiers() & ~Qt::KeypadModifier;
    return outros == Qt::NoModifier &&
           (tecla == Qt::Key_Space || tecla == Qt::Key_Return || tecla == Qt::Key_Enter);
}

// The left mouse button at `ponto` of `controle`, through the control's own mouse handlers.
void EnviarMouse(QWidget* controle, QEvent::Type tipo, const QPointF& ponto) {
    const Qt::MouseButtons botoes =
        tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent evento(tipo, ponto, controle->mapToGlobal(ponto), Qt::LeftButton, botoes,
                       Qt::NoModifier);
    QApplication::sendEvent(controle, &evento);
}

QPointF Centro(const QWidget* controle) { return QRectF(controle->rect()).center(); }

// Drawn above the control while it has the focus: a dotted frame in the light and dark of the
// pictures below, so it shows on the dark bars and on the light buttons alike.
class AnelFoco : public QWidget {
  public:
    explicit AnelFoco(QWidget* controle) : QWidget(controle) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect borda = rect().adjusted(0, 0, -1, -1);
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
        p.drawRect(borda);
        QPen pontilhado(QColor(0xFF, 0xC4, 0x40), 1, Qt::DotLine);
        p.setPen(pontilhado);
        p.drawRect(borda);
        p.setPen(QPen(QColor(0xFF, 0xC4, 0x40), 1));
        if (borda.width() > 4 && borda.height() > 4) p.drawRect(borda.adjusted(1, 1, -1, -1));
    }
};

// Keys, focus and ring of one control.
class FiltroBotao : public QObject {
  public:
    explicit FiltroBotao(QWidget* controle)
        : QObject(controle), controle_(controle), anel_(new AnelFoco(controle)) {}

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto != controle_) return false;
        switch (evento->type()) {
            case QEvent::KeyPress: {
                auto* tecla = static_cast<QKeyEvent*>(evento);
                if (!TeclaDeAcionar(tecla)) return false;
                if (!tecla->isAutoRepeat() && teclaPressionada_ == 0) {
                    teclaPressionada_ = tecla->key();
                    EnviarMouse(controle_, QEvent::MouseButtonPress, Centro(controle_));
                }
                return true;
            }
            case QEvent::KeyRelease: {
                auto* tecla = static_cast<QKeyEvent*>(evento);
                if (tecla->key() != teclaPressionada_ || teclaPressionada_ == 0)
                    return TeclaDeAcionar(tecla);
                if (tecla->isAutoRepeat()) return true;
                teclaPressionada_ = 0;
                EnviarMouse(controle_, QEvent::MouseButtonRelease, Centro(controle_));
                return true;
            }
            case QEvent::FocusIn:
                AtualizarAnel();
                return false;
            case QEvent::FocusOut:
                // A key held when the focus leaves lets the button up without a click (the
                // sound stops), as a mouse released outside it does.
                if (teclaPressionada_ != 0) {
                    teclaPressionada_ = 0;
                    EnviarMouse(controle_, QEvent::MouseButtonRelease, QPointF(-1, -1));
                }
                AtualizarAnel();
                return false;
            case QEvent::Resize:
                AtualizarAnel();
                return false;
            default:
                return false;
        }
    }

  private:
    void AtualizarAnel() {
        anel_->setGeometry(controle_->rect());
        anel_->setVisible(controle_->hasFocus());
        if (anel_->isVisible()) anel_->raise();
    }

    QWidget* controle_;
    AnelFoco* anel_;
    int teclaPressionada_ = 0;
};

// The button role with its press action, for a control that is a label to Qt.
class BotaoAcessivel : public QAccessibleWidget {
  public:
    explicit BotaoAcessivel(QWidget* controle) : QAccessibleWidget(controle, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString& acao) override {
        QPointer<QWidget> controle = widget();
        if (acao == pressAction() && controle->isEnabled()) {
            EnviarMouse(controle, QEvent::MouseButtonPress, Centro(controle));
            if (controle) EnviarMouse(controle, QEvent::MouseButtonRelease, Centro(controle));
        } else if (acao == setFocusAction()) {
            controle->setFocus(Qt::OtherFocusReason);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.focusable = true;
        return estado;
    }
};

QAccessibleInterface* FabricaAcessivel(const QString&, QObject* objeto) {
    auto* controle = qobject_cast<QWidget*>(objeto);
    if (controle != nullptr && controle->property(PropriedadeBotao).toBool())
        return new BotaoAcessivel(controle);
    return nullptr;
}

}  // namespace

void TornarBotaoTeclado(QWidget* controle) {
    static const bool instalada = [] {
        QAccessible::installFactory(FabricaAcessivel);
        return true;
    }();
    (void)instalada;
    controle->setProperty(PropriedadeBotao, true);
    controle->setFocusPolicy(Qt::StrongFocus);
    controle->installEventFilter(new FiltroBotao(controle));
}

void NomearAcessivel(QWidget* controle, const QString& nome, const QString& descricao) {
    if (!nome.isEmpty()) controle->setAccessibleName(nome);
    if (!descricao.isEmpty()) controle->setAccessibleDescription(descricao);
    // On Linux a drop-down list's name is its current text; screen readers find what it is
    // for in the label that names it. Its caption is drawn into the window's pictures, so a
    // label that is never shown carries it.
    auto* lista = qobject_cast<QComboBox*>(controle);
    if (lista == nullptr || nome.isEmpty() || lista->parentWidget() == nullptr) return;
    const QString nomeRotulo = QStringLiteral("rotuloAcessivel_") + lista->objectName();
    auto* rotulo =
        lista->parentWidget()->findChild<QLabel*>(nomeRotulo, Qt::FindDirectChildrenOnly);
    if (rotulo == nullptr) {
        rotulo = new QLabel(lista->parentWidget());
        rotulo->setObjectName(nomeRotulo);
        rotulo->hide();
        rotulo->setBuddy(lista);
    }
    rotulo->setText(nome);
}
