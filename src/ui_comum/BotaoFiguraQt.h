#pragma once
// The picture buttons every window draws its buttons with.

#include <QLabel>
#include <QPixmap>
#include <functional>
#include <vector>

// A picture button: shows entry `tag` of its window's picture store, entry tag + 1 while a
// mouse button is held on it.
class BotaoFiguraQt : public QLabel {
public:
    BotaoFiguraQt(QWidget* pai, const QRect& lugar, int tag, const std::vector<QPixmap>* figuras);
    int Tag() const { return tag_; }
    // Whether presses change the picture by themselves (the listen button decides for itself).
    void DefinirAutomatico(bool automatico) { automatico_ = automatico; }
    void MostrarNormal();
    void MostrarPressionado();

    std::function<void()> aoClicar;
    std::function<void()> aoPressionar;
    std::function<void()> aoSoltar;

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    int tag_;
    const std::vector<QPixmap>* figuras_;
    bool automatico_ = true;
};
