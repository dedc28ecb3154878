#pragma once

#include <QHash>
#include <QString>
#include <functional>

class QWidget;

namespace rh::app {

struct ContextoJanela;

// How a menu command shows its window.
enum class ModoAbertura {
    Filha,          // through AbrirJanelaFilha
    Criada,         // constructed; it runs itself modally
    CriadaModal,    // constructed, then shown modally
    CriadaMostrada  // constructed, then shown as a window of its own
};

// Set (true) on a window whose whole life is one modal run; the main window
// runs it modally and destroys it, whatever the menu item's mode.
inline constexpr char kPropriedadeModalPropria[] = "rhModalPropria";

// The windows the program knows, by class name. Each subsystem registers its
// windows here; a menu item whose class is not registered stays disabled.
class RegistroJanelas {
public:
    using Fabrica = std::function<QWidget*(ContextoJanela&)>;

    void registrar(const QString& classe, Fabrica fabrica) { m_fabricas.insert(classe, std::move(fabrica)); }
    bool conhece(const QString& classe) const { return m_fabricas.contains(classe); }
    QWidget* criar(const QString& classe, ContextoJanela& contexto) const {
        const auto it = m_fabricas.constFind(classe);
        return it == m_fabricas.constEnd() ? nullptr : (*it)(contexto);
    }

private:
    QHash<QString, Fabrica> m_fabricas;
};

}  // namespace rh::app
