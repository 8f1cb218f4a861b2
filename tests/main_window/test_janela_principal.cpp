// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a player drives it, offscreen: real language files, the real chord
// manager and generator, the real chord player over a recording MIDI device.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <set>

#include "AplicacaoTastavo.h"
#include "Apoio.h"
#include "ArquivoConfiguracao.h"
#include "GeometriaTeclado.h"
#include "Notas.h"
#include "TformAviso.h"
#include "TformPrincipal.h"

namespace {

using Mensagem = std::vector<std::uint8_t>;

// Closes the modal window that the next handler opens (the notice), once it is up.
void FecharModalQuandoAbrir() {
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
}

class JanelaPrincipal : public ::testing::Test {
  protected:
    void SetUp() override {
        Abrir(
            "[geral]\nidioma=Português\nplacaSom=0\ninstrumentoTeclado=0\nmodoVisualizacao="
            "0\nmouseTocarTeclas=1\n");
    }

    void Abrir(const std::string& configuracao) {
        instalacao.EscreverConfiguracao(configuracao);
        dominio = std::make_unique<Dominio>(instalacao);
        janela = std::make_unique<TformPrincipal>(DependenciasDaJanela(*dominio, instalacao));
        aviso = std::make_unique<TformAviso>(*dominio->idiomas, Caixas(), dominio->abridor,
                                             janela.get());
        janela->DefinirAviso(aviso.get());
        janela->executarAssistente = [this] {
            ++vezesAssistente;
            return respostaAssistente;
        };
        janela->show();
        Gravador().LimparMensagens();
    }

    void TearDown() override {
        aviso.reset();
        janela.reset();
    }

    void Digitar(const QString& cifra) {
        janela->editNomeAcorde->setText(cifra);
        QTest::keyClick(janela->editNomeAcorde, Qt::Key_Return);
    }

    bool Pressionada(int k) const {
        const QPixmap f = janela->imgTecla[k]->Figura();
        if (TeclaPreta(k)) return f.cacheKey() == janela->imgPretaPressionada->Figura().cacheKey();
        return !f.isNull();
    }

    std::vector<int> TeclasPressionadas() const {
        std::vector<int> teclas;
        for (int k = 0; k < QuantidadeTeclas; ++k)
            if (Pressionada(k)) teclas.push_back(k);
        return teclas;
    }

    // The texts of the visible labels of one kind, as a set.
    template <typename Rotulos>
    static std::multiset<std::string> Visiveis(const Rotulos& rotulos) {
        std::multiset<std::string> textos;
        for (auto* r : rotulos)
            if (r->isVisibleTo(r->parentWidget())) textos.insert(r->text().toStdString());
        return textos;
    }

    int MarcasVisiveis() const {
        return static_cast<int>(
            std::count_if(janela->imgSolo.begin(), janela->imgSolo.end(),
                          [](MarcaQt* m) { return m->isVisibleTo(m->parentWidget()); }));
    }

    static QPoint Lugar(int k) {
        return {geometria::RotuloX[k],
                TeclaPreta(k) ? geometria::RotuloYPreta : geometria::RotuloYBranca};
    }

    // Every visible mark sits on a pressed key's label spot, with the visible label over it.
    void EsperarMarcasNasTeclas() const {
        std::set<std::pair<int, int>> lugares;
        for (int k : TeclasPressionadas()) lugares.insert({Lugar(k).x(), Lugar(k).y()});
        for (int s = 0; s < 5; ++s) {
            MarcaQt* m = janela->imgSolo[s];
            if (!m->isVisibleTo(janela->panelTeclado)) continue;
            EXPECT_TRUE(lugares.count({m->x(), m->y()})) << "mark " << s + 1 << " off its key";
            for (RotuloQt* r : {janela->lblDedo[s], janela->lblNota[s], janela->lblIntervalo[s]})
                if (r->isVisibleTo(janela->panelTeclado)) {
                    EXPECT_EQ(r->pos(), m->pos());
                }
        }
    }

    std::vector<Mensagem> Enviadas() const { return Gravador().Mensagens(); }

    Instalacao instalacao;
    std::unique_ptr<Dominio> dominio;
    std::unique_ptr<TformPrincipal> janela;
    std::unique_ptr<TformAviso> aviso;
    int vezesAssistente = 0;
    int respostaAssistente = -1;
};

TEST_F(JanelaPrincipal, StartsWithAnEmptyKeyboardAndTheCatalogueInTheChordList) {
    EXPECT_TRUE(TeclasPressionadas().empty());
    EXPECT_EQ(MarcasVisiveis(), 0);
    EXPECT_EQ(janela->comboBaseAcordes->count(), dominio->base->Quantidade());
    EXPECT_EQ(janela->comboBaseAcordes->currentIndex(), -1);
    EXPECT_EQ(janela->editNomeAcorde->text(), QStringLiteral("Digite aqui a cifra desejada"));
    ASSERT_EQ(janela->comboModoVisualizacao->count(), 3);
    EXPECT_EQ(janela->comboModoVisualizacao->itemText(1), QStringLiteral("Notas"));
    EXPECT_EQ(janela->btnOuvirAcorde->toolTip(),
              QStringLiteral("Mantenha o botão pressionado para estender o som do acorde"));
    // The localised pictures came from the language's picture file.
    EXPECT_FALSE(janela->imagemBarraSuperior->Figura().isNull());
    EXPECT_EQ(janela->btnAdicionar->pixmap().size(), QSize(89, 20));
}

TEST_F(JanelaPrincipal, SharpRootsSpellWithSharpsAndFlatRootsWithFlats) {
    struct Caso {
        const char* cifra;
        std::multiset<std::string> notas;
    };
    const Caso casos[] = {
        {"F#7", {"F#", "A#", "C#", "E"}},
        {"Gb7", {"Gb", "Bb", "Db", "E"}},
        {"D", {"D", "F#", "A"}},  // a natural root spells with sharps
    };
    janela->comboModoVisualizacao->setCurrentIndex(1);
    for (const Caso& c : casos) {
        Digitar(QString::fromLatin1(c.cifra));
        EXPECT_EQ(Visiveis(janela->lblNota), c.notas) << c.cifra;
        EXPECT_TRUE(Visiveis(janela->lblDedo).empty());
        EXPECT_EQ(TeclasPressionadas().size(), c.notas.size()) << c.cifra;
        EXPECT_EQ(MarcasVisiveis(), static_cast<int>(c.notas.size()));
        EsperarMarcasNasTeclas();
    }
}

TEST_F(JanelaPrincipal, ViewModesShowExactlyOneLabelPerKeyAndNeverMoveAKey) {
    Digitar(QStringLiteral("C7M(9)/E"));
    const std::vector<int> teclas = TeclasPressionadas();
    ASSERT_EQ(teclas.size(), 5u);
    // Fingers read slot + 1 whatever key the slot holds.
    for (int s = 0; s < 5; ++s) EXPECT_EQ(janela->lblDedo[s]->text(), QString::number(s + 1));
    EXPECT_EQ(Visiveis(janela->lblDedo).size(), 5u);

    janela->comboModoVisualizacao->setCurrentIndex(2);
    EXPECT_EQ(Visiveis(janela->lblIntervalo),
              (std::multiset<std::string>{"3M", "5", "7M", "T", "9"}));
    EXPECT_TRUE(Visiveis(janela->lblDedo).empty());
    EXPECT_TRUE(Visiveis(janela->lblNota).empty());
    EXPECT_EQ(TeclasPressionadas(), teclas);

    janela->comboModoVisualizacao->setCurrentIndex(1);
    EXPECT_EQ(Visiveis(janela->lblNota), (std::multiset<std::string>{"E", "G", "B", "C", "D"}));
    EXPECT_TRUE(Visiveis(janela->lblIntervalo).empty());
    EXPECT_EQ(TeclasPressionadas(), teclas);
    EsperarMarcasNasTeclas();
}

TEST_F(JanelaPrincipal, IntervalsAreNamedBySemitoneDistance) {
    janela->comboModoVisualizacao->setCurrentIndex(2);
    // Cº: 3 and 6 semitones; C(b13): 8; C6: 9.
    Digitar(QStringLiteral("Cº"));
    EXPECT_EQ(Visiveis(janela->lblIntervalo), (std::multiset<std::string>{"T", "3m", "b5"}));
    Digitar(QStringLiteral("C6"));
    EXPECT_TRUE(Visiveis(janela->lblIntervalo).count("13"));
    Digitar(QStringLiteral("C7(b13)"));
    EXPECT_TRUE(Visiveis(janela->lblIntervalo).count("b13"));
}

TEST_F(JanelaPrincipal, ANewSymbolJoinsTheChordListAndIsSelected) {
    const int antes = janela->comboBaseAcordes->count();
    ASSERT_EQ(janela->comboBaseAcordes->findText(QStringLiteral("F#7(b9)/A#")), -1);
    Digitar(QStringLiteral("F#7(b9)/A#"));
    EXPECT_EQ(janela->comboBaseAcordes->count(), antes + 1);
    EXPECT_EQ(janela->comboBaseAcordes->currentText(), QStringLiteral("F#7(b9)/A#"));
    // The list mirrors the catalogue, order included.
    ASSERT_EQ(janela->comboBaseAcordes->count(), dominio->base->Quantidade());
    for (int i = 0; i < dominio->base->Quantidade(); ++i)
        ASSERT_EQ(janela->comboBaseAcordes->itemText(i).toStdString(), dominio->base->NomeEm(i))
            << i;
    // A symbol meaning a listed chord is shown in the catalogue's wording.
    Digitar(QStringLiteral("Cmaj7"));
    EXPECT_EQ(janela->comboBaseAcordes->count(), antes + 1);
    EXPECT_EQ(janela->comboBaseAcordes->currentText().toStdString(),
              dominio->acordes->NomeAcordeAtual());
}

TEST_F(JanelaPrincipal, AnInvalidSymbolShowsTheNoticeAndClearsTheKeyboard) {
    Digitar(QStringLiteral("C"));
    const int indice = dominio->acordes->IndiceAcordeAtual();
    FecharModalQuandoAbrir();
    Digitar(QStringLiteral("Cmaja"));
    EXPECT_EQ(aviso->Mensagem->text(),
              QStringLiteral("O nome do acorde não está de acordo com a sintaxe Corvela."));
    EXPECT_EQ(aviso->windowTitle(), QStringLiteral("Cifra inválida"));
    EXPECT_TRUE(TeclasPressionadas().empty());
    EXPECT_EQ(MarcasVisiveis(), 0);
    EXPECT_EQ(janela->comboBaseAcordes->currentIndex(), -1);
    EXPECT_EQ(janela->editNomeAcorde->text(), QStringLiteral("Cmaja"));
    // The earlier chord stays current: the view mode draws it again.
    EXPECT_EQ(dominio->acordes->IndiceAcordeAtual(), indice);
    janela->comboModoVisualizacao->setCurrentIndex(1);
    EXPECT_EQ(Visiveis(janela->lblNota), (std::multiset<std::string>{"C", "E", "G"}));
}

TEST_F(JanelaPrincipal, AnUnknownRootReachesTheEventLoopsErrorBoxAndTheWindowGoesOn) {
    CaixasRegistradas caixas;
    static_cast<AplicacaoTastavo*>(qApp)->DefinirIdiomas(dominio->idiomas.get(), &Caixas());
    Digitar(QStringLiteral("H7"));
    static_cast<AplicacaoTastavo*>(qApp)->DefinirIdiomas(nullptr, nullptr);
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    EXPECT_EQ(caixas.Pedidos()[0].titulo, "Tastavo");
    EXPECT_NE(caixas.Pedidos()[0].texto.find("\"H\""), std::string::npos);
    Digitar(QStringLiteral("G"));
    EXPECT_EQ(TeclasPressionadas().size(), 3u);
}

TEST_F(JanelaPrincipal, PickingFromTheChordListShowsItAndFillsTheEntry) {
    const int i = janela->comboBaseAcordes->findText(QStringLiteral("Cm"));
    ASSERT_NE(i, -1);
    janela->comboBaseAcordes->setCurrentIndex(i);
    emit janela->comboBaseAcordes->activated(i);
    EXPECT_EQ(janela->editNomeAcorde->text(), QStringLiteral("Cm"));
    janela->comboModoVisualizacao->setCurrentIndex(1);
    EXPECT_EQ(Visiveis(janela->lblNota), (std::multiset<std::string>{"C", "D#", "G"}));
}

TEST_F(JanelaPrincipal, ArrowsStepThroughThePositionsAndStopAtTheEnds) {
    auto clicar = [](BotaoFiguraQt* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5)); };
    clicar(janela->btnProximo);  // no chord yet: nothing
    EXPECT_TRUE(TeclasPressionadas().empty());

    Digitar(QStringLiteral("C"));
    const int n = dominio->acordes->AcordeAtual()->QuantidadePosicoes();
    ASSERT_EQ(n, 3);
    std::vector<std::vector<int>> vistas{TeclasPressionadas()};
    clicar(janela->btnAnterior);  // at the first position
    EXPECT_EQ(TeclasPressionadas(), vistas[0]);
    for (int i = 1; i < n; ++i) {
        clicar(janela->btnProximo);
        vistas.push_back(TeclasPressionadas());
        EXPECT_NE(vistas[i], vistas[i - 1]);
    }
    clicar(janela->btnProximo);  // at the last position
    EXPECT_EQ(TeclasPressionadas(), vistas.back());
    // A double click steps twice: the toolkit delivers press, release, double click, release.
    QTest::mousePress(janela->btnAnterior, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(janela->btnAnterior, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(janela->btnAnterior, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(janela->btnAnterior, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(TeclasPressionadas(), vistas[0]);
    EXPECT_EQ(dominio->acordes->IndicePosicaoAtual(), 0);
}

TEST_F(JanelaPrincipal, PressedPicturesFollowTheHeldButton) {
    const QPoint meio(5, 5);
    QTest::mousePress(janela->btnAdicionar, Qt::LeftButton, {}, meio);
    EXPECT_EQ(janela->btnAdicionar->pixmap().cacheKey(), janela->imagensBotoes[3].cacheKey());
    QTest::mouseRelease(janela->btnAdicionar, Qt::LeftButton, {}, meio);
    EXPECT_EQ(janela->btnAdicionar->pixmap().cacheKey(), janela->imagensBotoes[2].cacheKey());
}

TEST_F(JanelaPrincipal, HoldingListenSoundsTheChordFromTheLowestKeyAndReleasingStopsIt) {
    const QPoint meio(10, 10);
    // No chord: nothing is sent and the picture stays.
    QTest::mousePress(janela->btnOuvirAcorde, Qt::LeftButton, {}, meio);
    EXPECT_EQ(janela->btnOuvirAcorde->pixmap().cacheKey(), janela->imagensBotoes[18].cacheKey());
    QTest::mouseRelease(janela->btnOuvirAcorde, Qt::LeftButton, {}, meio);
    EXPECT_TRUE(Enviadas().empty());

    Digitar(QStringLiteral("C7M(9)/E"));
    const PosicaoHarmonicaTeclado p = *dominio->acordes->PosicaoAtual();
    QTest::mousePress(janela->btnOuvirAcorde, Qt::LeftButton, {}, meio);
    EXPECT_EQ(janela->btnOuvirAcorde->pixmap().cacheKey(), janela->imagensBotoes[19].cacheKey());
    std::vector<Mensagem> esperadas;
    for (int s = 4; s >= 0; --s)
        if (p.TeclaDoDedo(s) != -1)
            esperadas.push_back({0x90, static_cast<std::uint8_t>(p.TeclaDoDedo(s) + 48), 100});
    EXPECT_EQ(Enviadas(), esperadas);
    std::vector<int> notas;
    for (const Mensagem& m : Enviadas()) notas.push_back(m[1]);
    EXPECT_TRUE(std::is_sorted(notas.begin(), notas.end()));  // lowest key first

    Gravador().LimparMensagens();
    QTest::mouseRelease(janela->btnOuvirAcorde, Qt::LeftButton, {}, meio);
    EXPECT_EQ(janela->btnOuvirAcorde->pixmap().cacheKey(), janela->imagensBotoes[18].cacheKey());
    esperadas.clear();
    for (int s = 0; s < 5; ++s)
        if (p.TeclaDoDedo(s) != -1)
            esperadas.push_back({0x80, static_cast<std::uint8_t>(p.TeclaDoDedo(s) + 48), 0});
    EXPECT_EQ(Enviadas(), esperadas);
}

TEST_F(JanelaPrincipal, ListenWithoutSoundSaysSoOnPressAndOnRelease) {
    Digitar(QStringLiteral("C"));
    CaixasRegistradas caixas;
    Gravador().DefinirFalhaEnvio("device gone");
    QTest::mousePress(janela->btnOuvirAcorde, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(janela->btnOuvirAcorde, Qt::LeftButton, {}, QPoint(10, 10));
    Gravador().DefinirFalhaEnvio("");
    ASSERT_EQ(caixas.Pedidos().size(), 2u);
    for (const auto& p : caixas.Pedidos()) {
        EXPECT_EQ(p.texto.rfind("Não foi possível usar a saída MIDI", 0), 0u);
        EXPECT_EQ(p.titulo, "Corvela Tastavo");
    }
}

TEST_F(JanelaPrincipal, MousePlayingWithoutAChordPressesAndSoundsTheKeyUnderThePointer) {
    // Sweep from key 3 (a black key) to key 4, then off the keys.
    auto sobre = [&](int k) {
        ImagemQt* t = janela->imgTecla[k];
        QTest::mouseMove(t, QPoint(t->width() / 2, 20));
    };
    sobre(3);
    EXPECT_EQ(TeclasPressionadas(), std::vector<int>{3});
    Gravador().LimparMensagens();
    sobre(4);
    EXPECT_EQ(Enviadas(), (std::vector<Mensagem>{{0x90, 51, 0}, {0x90, 52, 100}}));
    EXPECT_EQ(TeclasPressionadas(), std::vector<int>{4});
    Gravador().LimparMensagens();
    QTest::mouseMove(janela->imagemBarraInferior, QPoint(30, 30));
    EXPECT_EQ(Enviadas(), (std::vector<Mensagem>{{0x90, 52, 0}}));
    EXPECT_TRUE(TeclasPressionadas().empty());
}

TEST_F(JanelaPrincipal, MousePlayingOverAChordSoundsOnlyItsKeysAndChangesNoPicture) {
    Digitar(QStringLiteral("C"));
    const std::vector<int> teclas = TeclasPressionadas();
    ASSERT_FALSE(teclas.empty());
    const int dentro = teclas.front();
    int fora = 0;
    while (std::find(teclas.begin(), teclas.end(), fora) != teclas.end() || TeclaPreta(fora))
        ++fora;
    Gravador().LimparMensagens();
    janela->MouseSobreTecla(dentro);
    EXPECT_EQ(Enviadas(),
              (std::vector<Mensagem>{{0x90, static_cast<std::uint8_t>(dentro + 48), 100}}));
    Gravador().LimparMensagens();
    janela->MouseSobreTecla(fora);  // only the sounding note stops
    EXPECT_EQ(Enviadas(),
              (std::vector<Mensagem>{{0x90, static_cast<std::uint8_t>(dentro + 48), 0}}));
    EXPECT_EQ(TeclasPressionadas(), teclas);
}

TEST_F(JanelaPrincipal, LeavingTheKeysOverAChordStopsThePointersNote) {
    Digitar(QStringLiteral("C"));
    const std::vector<int> teclas = TeclasPressionadas();
    const int dentro = teclas.back();
    janela->MouseSobreTecla(dentro);
    Gravador().LimparMensagens();
    janela->MouseSobreTecla(-1);
    // A sustaining instrument must not keep the note sounding.
    EXPECT_EQ(Enviadas(),
              (std::vector<Mensagem>{{0x90, static_cast<std::uint8_t>(dentro + 48), 0}}));
    EXPECT_EQ(TeclasPressionadas(), teclas);
}

TEST_F(JanelaPrincipal, AKeyPressedByFreePlayingIsReleasedOnceAChordIsShown) {
    // The pointer rests on a key while the player types a chord with the keyboard.
    janela->MouseSobreTecla(1);
    Digitar(QStringLiteral("C"));
    ASSERT_TRUE(Pressionada(1));
    janela->MouseSobreTecla(-1);
    EXPECT_FALSE(Pressionada(1));
    EXPECT_EQ(TeclasPressionadas().size(), 3u);
}

TEST_F(JanelaPrincipal, MousePlayingSwitchedOffSendsNothing) {
    dominio->som.Definir(0, 0, false);
    Gravador().LimparMensagens();
    janela->MouseSobreTecla(5);
    EXPECT_TRUE(Enviadas().empty());
    EXPECT_TRUE(TeclasPressionadas().empty());
}

TEST_F(JanelaPrincipal, ThePrintListKeepsChordsWithTheirShownPositions) {
    auto clicar = [](BotaoFiguraQt* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5)); };
    clicar(janela->btnAdicionar);  // no chord: nothing
    EXPECT_EQ(janela->listaImpressao->count(), 0);

    Digitar(QStringLiteral("C"));
    clicar(janela->btnProximo);
    const std::vector<int> segunda = TeclasPressionadas();
    clicar(janela->btnAdicionar);
    clicar(janela->btnAdicionar);
    ASSERT_EQ(janela->listaImpressao->count(), 2);
    EXPECT_EQ(janela->listaImpressao->currentRow(), 1);
    EXPECT_EQ(janela->CopiarListaImpressao().Quantidade(), 2);

    clicar(janela->btnRemover);
    EXPECT_EQ(janela->listaImpressao->count(), 1);
    EXPECT_EQ(janela->CopiarListaImpressao().Quantidade(), 1);

    // Clicking the line brings back the chord at the stored position.
    Digitar(QStringLiteral("Am"));
    QListWidgetItem* linha = janela->listaImpressao->item(0);
    QTest::mouseClick(janela->listaImpressao->viewport(), Qt::LeftButton, {},
                      janela->listaImpressao->visualItemRect(linha).center());
    EXPECT_EQ(TeclasPressionadas(), segunda);
    EXPECT_EQ(janela->editNomeAcorde->text(), QStringLiteral("C"));
    EXPECT_EQ(janela->comboBaseAcordes->currentText(), QStringLiteral("C"));
}

// The toolkit delivers a double click as press, release, double click, release.
void CliqueDuplo(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(JanelaPrincipal, ADoubleClickAddsOrRemovesOneLineAndRemovingLeavesNothingSelected) {
    Digitar(QStringLiteral("C"));
    CliqueDuplo(janela->btnAdicionar);
    EXPECT_EQ(janela->listaImpressao->count(), 1);
    for (const char* c : {"Dm", "Em"}) janela->AdicionarAcordeImpressao(c, true);
    janela->listaImpressao->setCurrentRow(0);
    CliqueDuplo(janela->btnRemover);
    ASSERT_EQ(janela->listaImpressao->count(), 2);
    EXPECT_EQ(janela->CopiarListaImpressao().Obter(0).ObterCifra(), "Dm");
    // Nothing stays selected, so further clicks remove nothing.
    EXPECT_TRUE(janela->listaImpressao->selectedItems().isEmpty());
    QTest::mouseClick(janela->btnRemover, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(janela->listaImpressao->count(), 2);
}

TEST_F(JanelaPrincipal, MovingThroughThePrintListWithTheKeysShowsEachChord) {
    for (const char* c : {"C", "Am", "F"}) janela->AdicionarAcordeImpressao(c, true);
    janela->listaImpressao->setFocus();
    janela->listaImpressao->setCurrentRow(0);
    QTest::keyClick(janela->listaImpressao, Qt::Key_Down);
    EXPECT_EQ(janela->editNomeAcorde->text(), QStringLiteral("Am"));
    EXPECT_EQ(dominio->acordes->NomeAcordeAtual(), "Am");
    QTest::keyClick(janela->listaImpressao, Qt::Key_Down);
    EXPECT_EQ(janela->editNomeAcorde->text(), QStringLiteral("F"));
}

TEST_F(JanelaPrincipal, AMissingOrDamagedButtonPictureGivesACaptionedButton) {
    instalacao.TrocarValor("imgBtnAdicionar", "");
    instalacao.TrocarValor("imgBtnAdicionarI", "999999999,10");
    aviso.reset();
    janela.reset();
    CaixasRegistradas caixas;  // the damaged entry is reported once
    Abrir("[geral]\nidioma=Português\nplacaSom=0\n");
    EXPECT_LE(caixas.Pedidos().size(), 1u);
    const QPixmap normal = janela->btnAdicionar->pixmap();
    ASSERT_FALSE(normal.isNull());
    EXPECT_EQ(normal.size(), QSize(89, 20));
    EXPECT_FALSE(janela->imagensBotoes[3].isNull());  // the pressed look too
    EXPECT_NE(normal.toImage(), janela->imagensBotoes[3].toImage());
    // And it still works.
    Digitar(QStringLiteral("C"));
    QTest::mouseClick(janela->btnAdicionar, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(janela->listaImpressao->count(), 1);
}

TEST_F(JanelaPrincipal, RemoveWithoutASelectedLineDoesNothing) {
    janela->AdicionarAcordeImpressao("C", true);
    janela->listaImpressao->setCurrentRow(-1);
    janela->listaImpressao->clearSelection();
    QTest::mouseClick(janela->btnRemover, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(janela->listaImpressao->count(), 1);
}

TEST_F(JanelaPrincipal, ChordsSentFromElsewhereSkipRepeatsAndInvalidSymbolsAsAsked) {
    janela->AdicionarAcordeImpressao("Cm9", false);
    janela->AdicionarAcordeImpressao("Cm9", false);  // the same chord: skipped
    janela->AdicionarAcordeImpressao("CM9", false);  // another chord, but the same line: skipped
    janela->AdicionarAcordeImpressao("X9", false);   // no chord: skipped
    janela->AdicionarAcordeImpressao("Cmaja", true);
    EXPECT_EQ(janela->listaImpressao->count(), 1);
    janela->AdicionarAcordeImpressao("Cm9", true);  // repeats asked for
    EXPECT_EQ(janela->listaImpressao->count(), 2);
    janela->AdicionarAcordeImpressao("Am", false);
    EXPECT_EQ(janela->listaImpressao->count(), 3);
    EXPECT_EQ(janela->listaImpressao->currentRow(), -1);  // the selection does not move

    const ColecaoAcordeImpressao copia = janela->CopiarListaImpressao();
    janela->LimparListaImpressao();
    EXPECT_EQ(janela->listaImpressao->count(), 0);
    EXPECT_EQ(janela->CopiarListaImpressao().Quantidade(), 0);
    EXPECT_EQ(copia.Quantidade(), 3);
    EXPECT_EQ(copia.Obter(1).ObterCifra(), "Cm9");
    EXPECT_EQ(copia.Obter(2).ObterCifra(), "Am");
}

TEST_F(JanelaPrincipal, PrintingAnEmptyListSaysSoAndOpensNothing) {
    CaixasRegistradas caixas;
    int aberturas = 0;
    janela->abrirImpressao = [&] { ++aberturas; };
    QTest::mouseClick(janela->btnImprimir, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    EXPECT_EQ(caixas.Pedidos()[0].texto,
              "A lista de impressão está vazia.\r\nAdicione acordes a ela antes de imprimir.");
    EXPECT_EQ(aberturas, 0);
    janela->AdicionarAcordeImpressao("C", true);
    QTest::mouseClick(janela->btnImprimir, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(aberturas, 1);
}

TEST_F(JanelaPrincipal, LeavingWithNoKeepsTheWindowAndStoresNothing) {
    const std::string antes = instalacao.LerConfiguracao();
    CaixasRegistradas caixas(false);
    QTest::mouseClick(janela->btnClose, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    EXPECT_EQ(caixas.Pedidos()[0].tipo, caixaMensagem::Tipo::SimNao);
    EXPECT_EQ(caixas.Pedidos()[0].texto, "Deseja realmente sair do Tastavo?");
    EXPECT_EQ(caixas.Pedidos()[0].titulo, "");
    EXPECT_TRUE(janela->isVisible());
    EXPECT_EQ(instalacao.LerConfiguracao(), antes);
}

TEST_F(JanelaPrincipal, LeavingWithYesStoresTheSettingsAndCloses) {
    dominio->som.Definir(0, 19, false);
    janela->comboModoVisualizacao->setCurrentIndex(2);
    CaixasRegistradas caixas(true);
    QTest::mouseClick(janela->btnClose, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(instalacao.LerConfiguracao(),
              ArquivoConfiguracao::Conteudo(0, 19, 2, false, "Português"));
}

TEST_F(JanelaPrincipal, LeavingWhenTheSettingsCannotBeWrittenSaysSoAndStillCloses) {
    const std::string antes = instalacao.LerConfiguracao();
    // The temporary file that the write goes through cannot be created.
    std::filesystem::create_directory(instalacao.Pasta() / "tastavo.ini.tmp");
    dominio->som.Definir(0, 19, false);
    CaixasRegistradas caixas(true);
    QTest::mouseClick(janela->btnClose, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(caixas.Pedidos().size(), 2u);
    EXPECT_EQ(caixas.Pedidos()[1].tipo, caixaMensagem::Tipo::Ok);
    EXPECT_EQ(caixas.Pedidos()[1].texto,
              "Não foi possível gravar as configurações: as escolhas feitas nesta sessão não serão "
              "lembradas da "
              "próxima vez.\r\nVerifique se este arquivo pode ser gravado:\r\n" +
                  instalacao.Configuracao().string());
    EXPECT_EQ(caixas.Pedidos()[1].titulo, "Corvela Tastavo");
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(instalacao.LerConfiguracao(), antes);
}

TEST_F(JanelaPrincipal, OnlyTheTopBarDragsTheWindow) {
    // Offscreen there is no window manager, so the window follows the pointer by hand.
    struct Caso {
        const char* onde;
        QWidget* alvo;
        bool move;
    };
    const Caso casos[] = {
        {"top bar", janela->imagemBarraSuperior, true},
        {"white key", janela->imgTecla[0], false},
        {"black key", janela->imgTecla[1], false},
        {"keyboard background", janela->imgTeclado, false},
        {"lower bar", janela->imagemBarraInferior, false},
    };
    for (const Caso& c : casos) {
        const QPoint antes = janela->pos();
        const QPoint inicio(10, 30);
        QTest::mousePress(c.alvo, Qt::LeftButton, {}, inicio);
        QTest::mouseMove(c.alvo, inicio + QPoint(40, 25));
        QTest::mouseRelease(c.alvo, Qt::LeftButton, {}, inicio + QPoint(40, 25));
        EXPECT_EQ(janela->pos() != antes, c.move) << c.onde;
        janela->move(antes);
    }
}

class ConfiguracaoSalva : public JanelaPrincipal {
  protected:
    void SetUp() override {}
};

TEST_F(ConfiguracaoSalva, AViewModeOutsideTheListReadsAsFingers) {
    // A value no label kind has is a hand edit gone wrong: it reads as the default, fingers.
    Abrir(
        "[geral]\nidioma=Português\nplacaSom=0\ninstrumentoTeclado=5\nmodoVisualizacao="
        "5\nmouseTocarTeclas=0\n");
    EXPECT_EQ(janela->comboModoVisualizacao->currentIndex(), 0);
    Digitar(QStringLiteral("C"));
    EXPECT_EQ(MarcasVisiveis(), 3);
    EXPECT_EQ(Visiveis(janela->lblDedo).size(), 3u);
    EXPECT_TRUE(Visiveis(janela->lblNota).empty());
    EXPECT_EQ(dominio->som.InstrumentoTeclado(), 5);
    EXPECT_FALSE(dominio->som.MouseTocarTeclas());
    EXPECT_EQ(vezesAssistente, 0);
}

TEST_F(ConfiguracaoSalva, NoDeviceEverChosenRunsTheWizardAndFallsBackToDeviceZero) {
    respostaAssistente = -1;
    Abrir("");  // first run: no configuration file values
    EXPECT_EQ(vezesAssistente, 1);
    EXPECT_EQ(dominio->som.PlacaSom(), 0);
    EXPECT_EQ(janela->comboModoVisualizacao->currentIndex(), 0);
}

TEST_F(ConfiguracaoSalva, AppliedSettingsReachTheChordPlayer) {
    Gravador().LimparMensagens();
    instalacao.EscreverConfiguracao(
        "[geral]\nidioma=Português\nplacaSom=0\ninstrumentoTeclado=24\nmodoVisualizacao="
        "1\nmouseTocarTeclas=1\n");
    dominio = std::make_unique<Dominio>(instalacao);
    janela = std::make_unique<TformPrincipal>(DependenciasDaJanela(*dominio, instalacao));
    Gravador().LimparMensagens();
    janela->show();
    // The instrument change goes out with its one data byte.
    ASSERT_FALSE(Enviadas().empty());
    EXPECT_EQ(Enviadas().back(), (Mensagem{0xC0, 24}));
    EXPECT_EQ(janela->comboModoVisualizacao->currentIndex(), 1);
}

}  // namespace
