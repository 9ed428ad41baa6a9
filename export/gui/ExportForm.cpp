#include "export/gui/ExportForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "export/ExportFile.h"
#include "views/gui/FormFille.h"
#include "views/gui/Vues.h"

namespace {

template <class W>
W* Nomme(W* w, const char* nom, std::string_view cle = {}) {
    w->setObjectName(QLatin1String(nom));
    if (!cle.empty()) Langue::DonneCle(w, cle);
    return w;
}

QString FichierParDefaut(QWidget* parent, const QString& titre, const QString& filtre, const QString& extension) {
    QString nom = QFileDialog::getSaveFileName(parent, titre, QString(), filtre);
    if (!nom.isEmpty() && QFileInfo(nom).suffix().isEmpty()) nom += QLatin1Char('.') + extension;
    return nom;
}

}  // namespace

TExportForm::TExportForm(TMainForm* main) : QDialog(main), main_(main) {
    setObjectName(QStringLiteral("ExportForm"));
    setWindowFlag(Qt::Tool);
    ChoixFichier = FichierParDefaut;

    auto* donnees = Nomme(new QGroupBox, "GBDonnees");
    auto* gd = new QGridLayout(donnees);
    CBAretes = Nomme(new QCheckBox, "CBAretes");
    CBCouples = Nomme(new QCheckBox, "CBCouples", "rsCouples");
    CBLignesE = Nomme(new QCheckBox, "CBLignesE", "rsLignesE");
    CBLongits = Nomme(new QCheckBox, "CBLongits", "rsLongits");
    CBDiags = Nomme(new QCheckBox, "CBDiags", "rsDiags");
    CBSurfParam = Nomme(new QCheckBox, "CBSurfParam");
    RBSurfMaille3D = Nomme(new QRadioButton, "RBSurfMaille3D");
    RBSurfPolyL = Nomme(new QRadioButton, "RBSurfPolyL");
    CBnurbs = Nomme(new QCheckBox, "CBnurbs", "rsCbNurbsCaption");
    CBGrille = Nomme(new QCheckBox, "CBGrille");
    CBAxes = Nomme(new QCheckBox, "CBAxes");
    RBSurfMaille3D->setChecked(true);
    RBSurfMaille3D->setEnabled(false);
    RBSurfPolyL->setEnabled(false);
    int l = 0;
    for (QCheckBox* c : {CBAretes, CBCouples, CBLignesE, CBLongits, CBDiags, CBSurfParam}) gd->addWidget(c, l++, 0, 1, 2);
    gd->addWidget(RBSurfMaille3D, l, 0);
    gd->addWidget(RBSurfPolyL, l++, 1);
    for (QCheckBox* c : {CBnurbs, CBGrille, CBAxes}) gd->addWidget(c, l++, 0, 1, 2);

    auto* ctx = Nomme(new QGroupBox, "GBCtx");
    auto* gc = new QVBoxLayout(ctx);
    RB3D = Nomme(new QRadioButton, "RB3D");
    RB2D = Nomme(new QRadioButton, "RB2D", "rsGB2DCaption");
    RB3D->setChecked(true);
    GB2D = Nomme(new QGroupBox, "GB2D");
    auto* g2 = new QVBoxLayout(GB2D);
    RBSection = Nomme(new QRadioButton, "RBSection", "rsVueSection");
    RBPlan = Nomme(new QRadioButton, "RBPlan", "rsVuePlan");
    RBProfile = Nomme(new QRadioButton, "RBProfile", "rsVueProfil");
    RBPerspective = Nomme(new QRadioButton, "RBPerspective", "rsPersp");
    RBSection->setChecked(true);
    for (QRadioButton* r : {RBSection, RBPlan, RBProfile, RBPerspective}) g2->addWidget(r);
    CBColor = Nomme(new QCheckBox, "CBColor");
    gc->addWidget(RB3D);
    gc->addWidget(RB2D);
    gc->addWidget(GB2D);
    gc->addWidget(CBColor);
    gc->addStretch();

    auto* ok = Nomme(new QPushButton, "BtnOK");
    auto* annuler = Nomme(new QPushButton, "BtnAnnuler");
    ok->setDefault(true);
    auto* g = new QGridLayout(this);
    g->addWidget(donnees, 0, 0);
    g->addWidget(ctx, 0, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    g->addLayout(boutons, 1, 0, 1, 2);

    // Each choice in a group of its own: the view buttons lie inside the
    // projection's box, where the radio buttons' own exclusivity would
    // mix them with "3D" and "2D" and let a click on the checked one clear it.
    using TChoix = std::initializer_list<QRadioButton*>;
    for (TChoix choix : {TChoix{RBSurfMaille3D, RBSurfPolyL}, TChoix{RB3D, RB2D},
                         TChoix{RBSection, RBPlan, RBProfile, RBPerspective}}) {
        auto* groupe = new QButtonGroup(this);
        for (QRadioButton* r : choix) groupe->addButton(r);
    }

    connect(ok, &QPushButton::clicked, this, &TExportForm::BtnOKClick);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(RB2D, &QRadioButton::toggled, this, &TExportForm::RB2DClick);
    connect(CBSurfParam, &QCheckBox::toggled, this, &TExportForm::CBSurfParamClick);
    for (const char* cle : {"rsTXTFilter", "rsDXFFilter", "rsIGESFilter"}) Langue::DialogueFichier(this, cle, true);
    Langue::AppliqueLangue(this);
    resize(348, 348);
}

void TExportForm::Init(const QString& type) {
    DBG_SCOPE("TExportForm.Init");
    const char* cles[][3] = {{"TXT", "rsNmExportTXT", "rsTXTFilter"},
                             {"DXF", "rsNmExportDXF", "rsDXFFilter"},
                             {"IGES", "rsNmExportIGES", "rsIGESFilter"}};
    type_ = type;
    for (auto& c : cles)
        if (type == QLatin1String(c[0])) {
            setWindowTitle(Langue::QTxt(c[1]));
            filtre_ = Langue::FiltreDialogue(c[2]);
            extension_ = type == QLatin1String("IGES") ? QStringLiteral("igs") : type.toLower();
        }
    QCheckBox* donnees[] = {CBAretes, CBCouples, CBLignesE, CBLongits, CBDiags, CBSurfParam, CBGrille, CBAxes};
    if (type == QLatin1String("IGES")) {
        for (QCheckBox* c : donnees) {
            c->setChecked(false);
            c->setEnabled(false);
        }
        CBnurbs->setChecked(true);
        CBnurbs->setEnabled(true);
        CBColor->setChecked(false);
        CBColor->setEnabled(true);
        RB3D->setEnabled(true);
        RB3D->setChecked(true);
        RB2D->setEnabled(false);
        GB2D->setEnabled(false);
    } else if (type == QLatin1String("TXT") || type == QLatin1String("DXF")) {
        const TAffichage& a = main_->Doc().Aff;
        const bool coque = a.MeCarene;
        const bool etats[] = {coque,          a.MeSections && coque, a.MeLignesdEau && coque,
                              a.MeLongitudinales && coque, a.MeDiagonales && coque, a.MeSurfaceParam,
                              a.MeGrille,     a.MeAfficheAxes};
        for (int k = 0; k < 8; ++k) {
            donnees[k]->setChecked(etats[k]);
            donnees[k]->setEnabled(true);
        }
        const bool txt = type == QLatin1String("TXT");
        CBnurbs->setChecked(txt);
        CBColor->setChecked(txt);
        CBnurbs->setEnabled(false);
        CBColor->setEnabled(false);
        RB3D->setEnabled(true);
        RB2D->setEnabled(true);
        GB2D->setEnabled(RB2D->isChecked());
    }
    CBSurfParamClick();
}

int TExportForm::Execute(const QString& type) {
    Init(type);
    return exec();
}

TOptionsExport TExportForm::Options() const {
    TOptionsExport o;
    o.Aretes = CBAretes->isChecked();
    o.Couples = CBCouples->isChecked();
    o.LignesE = CBLignesE->isChecked();
    o.Longits = CBLongits->isChecked();
    o.Diags = CBDiags->isChecked();
    o.SurfParam = CBSurfParam->isChecked();
    o.SurfMaille3D = RBSurfMaille3D->isChecked();
    o.Nurbs = CBnurbs->isChecked();
    o.Grille = CBGrille->isChecked();
    o.Axes = CBAxes->isChecked();
    o.Couleur = CBColor->isChecked();
    return o;
}

void TExportForm::RB2DClick() { GB2D->setEnabled(RB2D->isChecked() && RB2D->isEnabled()); }

void TExportForm::CBSurfParamClick() {
    RBSurfMaille3D->setEnabled(CBSurfParam->isChecked());
    RBSurfPolyL->setEnabled(CBSurfParam->isChecked());
}

void TExportForm::BtnOKClick() {
    DBG_SCOPE("TExportForm.BtnOKClick");
    const QString fichier = ChoixFichier(this, windowTitle(), filtre_, extension_);
    if (fichier.isEmpty()) return;
    TViewRecord vue;
    vue.Kind = vk3D;
    if (RB2D->isChecked() && RB2D->isEnabled()) {
        const QRadioButton* vues[] = {RBSection, RBPlan, RBProfile, RBPerspective};
        int k = 0;
        while (k < 3 && !vues[k]->isChecked()) ++k;
        TFormFille* f = Vues::FenetreVueParIndex(k);
        if (!f) return;  // the view's absence has been reported
        vue = f->Vue();
        vue.Canvas = nullptr;
    }
    const ExportFile::TResultat r = ExportFile::Exporte(main_->Doc(), type_.toStdString(), fichier.toStdString(),
                                                        Options(), vue, main_->OptionsDessin().Couleurs);
    main_->Redessine(true);
    if (!r.Message.empty())
        main_->Dlg().MsgDlg(QString::fromStdString(r.Message), r.Ecrit ? Ui::MsgType::Information : Ui::MsgType::Error,
                            Ui::mbOK);
    if (r.Ecrit) accept();
}
