// SPDX-License-Identifier: GPL-3.0-or-later
#include "EscolhasTextoCifra.h"

#include <QActionGroup>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "AnaliseCifra.h"
#include "ChavesIdioma.h"
#include "TextoIdioma.h"

namespace {

namespace fc = idm::fmImportarCifra;

// Light enough to read the chords on; the same yellow as a highlighter pen.
const QColor kFundoRetida(255, 242, 179);

}  // namespace

void AcrescentarEscolhasTransposicao(QMenu& menu, const GerenciadorIdiomas& idiomas,
                                     OpcoesTransposicao& opcoes,
                                     const std::function<void()>& aoMudar) {
    menu.addSeparator();
    QAction* colunas = menu.addAction(TextoIdioma(idiomas, fc::Secao, fc::menuManterColunas));
    colunas->setObjectName(QStringLiteral("acaoManterColunas"));
    colunas->setCheckable(true);
    colunas->setChecked(opcoes.manterColunas);
    QObject::connect(colunas, &QAction::toggled, &menu, [&opcoes, aoMudar](bool marcado) {
        opcoes.manterColunas = marcado;
        if (aoMudar) aoMudar();
    });

    QMenu* grafias = menu.addMenu(TextoIdioma(idiomas, fc::Secao, fc::menuGrafia));
    grafias->setObjectName(QStringLiteral("menuGrafia"));
    auto* grupo = new QActionGroup(grafias);
    const std::pair<GrafiaTransposicao, std::string_view> itens[] = {
        {GrafiaTransposicao::Tabelas, fc::menuGrafiaTabelas},
        {GrafiaTransposicao::Sustenidos, fc::menuGrafiaSustenidos},
        {GrafiaTransposicao::Bemois, fc::menuGrafiaBemois},
        {GrafiaTransposicao::Tom, fc::menuGrafiaTom},
    };
    for (const auto& [grafia, chave] : itens) {
        QAction* acao = grafias->addAction(TextoIdioma(idiomas, fc::Secao, chave));
        acao->setObjectName(QString::fromUtf8(chave.data(), static_cast<int>(chave.size())));
        acao->setCheckable(true);
        acao->setChecked(opcoes.grafia == grafia);
        grupo->addAction(acao);
        QObject::connect(acao, &QAction::triggered, &menu, [&opcoes, aoMudar, grafia] {
            opcoes.grafia = grafia;
            if (aoMudar) aoMudar();
        });
    }
}

int MarcarLinhasRetidas(QPlainTextEdit& memo) {
    QList<QTextEdit::ExtraSelection> marcas;
    for (QTextBlock linha = memo.document()->begin(); linha.isValid(); linha = linha.next()) {
        const std::string texto = linha.text().toStdString();
        if (!PalavraQueRetemALinha(texto)) continue;
        QTextEdit::ExtraSelection marca;
        marca.cursor = QTextCursor(linha);
        marca.format.setBackground(kFundoRetida);
        marca.format.setProperty(QTextFormat::FullWidthSelection, true);
        marcas.push_back(marca);
    }
    memo.setExtraSelections(marcas);
    return static_cast<int>(marcas.size());
}

QString AvisoDaLinhaMarcada(const QPlainTextEdit& memo, const QTextBlock& linha) {
    bool marcada = false;
    for (const QTextEdit::ExtraSelection& marca : memo.extraSelections())
        marcada = marcada || marca.cursor.block() == linha;
    if (!marcada) return {};
    // Worked out again from the line as it reads now: typing may have changed it.
    const std::string texto = linha.text().toStdString();
    const auto palavra = PalavraQueRetemALinha(texto);
    if (!palavra) return {};
    return QString::fromStdString(
        AvisoLinhaRetida(static_cast<std::size_t>(linha.blockNumber()) + 1, *palavra));
}
