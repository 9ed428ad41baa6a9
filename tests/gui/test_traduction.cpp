// The translators' template of the running program, fed back as a language file.
#include <QTabWidget>

#include <map>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/Traduction.h"
#include "base/Langue.h"
#include "tests/gui/MainFormTestUtil.h"

namespace {

// Every text the program's windows show, by object.
std::map<std::string, std::string> TextesMontres() {
    std::map<std::string, std::string> t;
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        QList<QObject*> objets = fenetre->findChildren<QObject*>();
        objets.prepend(fenetre);
        for (QObject* o : objets) {
            if (o->objectName().isEmpty()) continue;
            QString cle = QString::number(reinterpret_cast<quintptr>(o)) + o->objectName();
            // Captions, titles and hints of actions, menus, buttons, labels, fields and windows.
            QString v;
            for (const char* texte : {"text", "title", "toolTip", "windowTitle"}) v += o->property(texte).toString() + '|';
            if (auto* p = qobject_cast<QTabWidget*>(o))
                for (int i = 0; i < p->count(); ++i) v += p->tabText(i) + '|';
            t[cle.toStdString()] = v.toStdString();
        }
    }
    return t;
}

}  // namespace

TEST_F(ProgrammeTest, LeModeleListeChaqueFenetreDansLOrdreDeCreationEtReluCommeLangueNeChangeAucunTexte) {
    const QString ici = QDir::currentPath();
    QDir::setCurrent(travail_.path());
    A("MeTraduction")->trigger();
    QDir::setCurrent(ici);
    const QString fichier = Fichier(QStringLiteral("FormsText.tra"));
    EXPECT_TRUE(F().TexteStatusBar(3).endsWith(QDir::toNativeSeparators(fichier))) << F().TexteStatusBar(3).toStdString();
    std::vector<std::string> lignes;
    ASSERT_TRUE(Langue::ChargeListe(lignes, fichier.toStdString()));
    // Every window of the start-up order, opened or not, in that order.
    std::vector<std::string> sections, attendu = {"MainForm"};
    std::map<std::string, int> textes;  // by window
    for (const std::string& l : lignes)
        if (l.size() > 2 && l.front() == '[') sections.push_back(l.substr(1, l.size() - 2));
        else if (!l.empty()) ++textes[sections.back()];
    for (const Startup::Fenetre& f : Startup::OrdreCreation()) attendu.emplace_back(f.classe + 1);
    ASSERT_EQ(attendu.size(), 47u);
    ASSERT_GE(sections.size(), attendu.size());
    EXPECT_EQ(std::vector<std::string>(sections.begin(), sections.begin() + 47), attendu);
    for (const char* l : {"rsOptionFormCaption=Options", "rsMeFichierCaption=&Fichier", "rsTransFormCaption=Transformations",
                          "rsOpenDialogFilter=Fichier CorvaneShaper|*.cse|Fichier Net|*.net|Tous|*.*",
                          "rsIGESFilter=Fichiers IGES (*.igs)|*.igs|Tous fichiers (*.*)|*.*"})
        EXPECT_NE(std::find(lignes.begin(), lignes.end(), l), lignes.end()) << l;
    // No key without a text: the pictures held in labels, the message box's
    // title and buttons (set at each call) have nothing to translate.
    for (const std::string& l : lignes) EXPECT_TRUE(l.empty() || l.front() == '[' || l.find('=') + 1 < l.size()) << l;
    // The views: the title and the entries of the pop-up menu.
    EXPECT_EQ((std::vector{textes["SectionForm"], textes["PlanForm"], textes["ProfileForm"], textes["PerspForm"]}),
              (std::vector{11, 11, 11, 22}));

    // Read back as the language, it changes none of the texts the windows show in this one.
    Langue::AppliqueLangueTout();
    F().MajTitre();
    const auto avant = TextesMontres();
    Langue::ChargeLangue(fichier.toStdString());
    Langue::AppliqueLangueTout();
    F().MajTitre();
    const auto apres = TextesMontres();
    Langue::Reinitialise();
    Langue::AppliqueLangueTout();
    // Listed one by one: the texts that differ.
    for (const auto& [objet, texte] : avant) EXPECT_EQ(apres.at(objet), texte) << objet;
}
