// The translators' template of the running program, fed back as a language file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

#include <map>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/Traduction.h"
#include "app/texts/Langue.h"
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
            QString v;
            if (auto* a = qobject_cast<QAction*>(o)) v = a->text() + '|' + a->toolTip();
            else if (auto* m = qobject_cast<QMenu*>(o)) v = m->title();
            else if (auto* b = qobject_cast<QAbstractButton*>(o)) v = b->text() + '|' + b->toolTip();
            else if (auto* l = qobject_cast<QLabel*>(o)) v = l->text();
            else if (auto* g = qobject_cast<QGroupBox*>(o)) v = g->title();
            else if (auto* e = qobject_cast<QLineEdit*>(o)) v = e->text();
            else if (auto* p = qobject_cast<QTabWidget*>(o))
                for (int i = 0; i < p->count(); ++i) v += p->tabText(i) + '|';
            if (auto* w = qobject_cast<QWidget*>(o); w && w->isWindow()) v += '|' + w->windowTitle();
            t[cle.toStdString()] = v.toStdString();
        }
    }
    return t;
}

}  // namespace

TEST_F(ProgrammeTest, LeModeleReluCommeLangueNeChangeAucunTexte) {
    const auto avant = TextesMontres();
    const std::vector<Traduction::TFenetre> fenetres = Traduction::Fenetres(&F());
    ASSERT_FALSE(fenetres.empty());
    EXPECT_EQ(fenetres.front().Nom, "MainForm");
    auto trouve = [&](const char* nom) {
        return std::find_if(fenetres.begin(), fenetres.end(), [&](const auto& f) { return f.Nom == nom; }) !=
               fenetres.end();
    };
    for (const char* nom : {"OptionForm", "PropFichForm", "CouleurForm", "CalculatForm", "DebugForm", "SectionForm"})
        EXPECT_TRUE(trouve(nom)) << nom;

    const QString ici = QDir::currentPath();
    QDir::setCurrent(travail_.path());
    A("MeTraduction")->trigger();
    QDir::setCurrent(ici);
    const std::string fichier = Fichier(QStringLiteral("FormsText.tra")).toStdString();
    std::vector<std::string> lignes;
    ASSERT_TRUE(Langue::ChargeListe(lignes, fichier));
    EXPECT_EQ(lignes, Traduction::Lignes(fenetres));
    EXPECT_NE(std::find(lignes.begin(), lignes.end(), "rsOptionFormCaption=Options"), lignes.end());
    EXPECT_NE(std::find(lignes.begin(), lignes.end(), "rsMeFichierCaption=&Fichier"), lignes.end());

    Langue::ChargeLangue(fichier);
    Langue::AppliqueLangueTout();
    F().MajTitre();
    const auto apres = TextesMontres();
    Langue::Reinitialise();
    Langue::AppliqueLangueTout();
    // Listed one by one: the texts that differ.
    for (const auto& [objet, texte] : avant) EXPECT_EQ(apres.at(objet), texte) << objet;
}
