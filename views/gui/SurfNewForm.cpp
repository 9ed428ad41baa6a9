#include "views/gui/SurfNewForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Langue.h"
#include "model/Undo.h"
#include "views/PropSurf.h"
#include "views/SurfNew.h"

TSurfNewForm::TSurfNewForm(TMainForm& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("SurfNewForm"));
    setWindowTitle(Langue::QTxt("rsSurfNewFormCaption"));
    resize(334, 302);
    nom_ = new QLineEdit(this);
    nom_->setObjectName(QStringLiteral("NomSurface"));
    nom_->setMaxLength(static_cast<int>(kLongNomSurface));

    auto* gType = new QGroupBox(Langue::QTxt("rsTypeSurf"), this);
    gType->setObjectName(QStringLiteral("RGTypeSurf"));
    auto* vType = new QVBoxLayout(gType);
    formes_ = new QButtonGroup(this);
    const char* cles[] = {"rsAddSurfDef",  "rsAddPlanHoriz",     "rsAddPlanVertLong", "rsAddPlanVertTran",
                          "rsAddCylHoriz", "rsAddCylHorizTrans", "rsAddCylVert"};
    for (int k = 0; k < 7; ++k) {
        auto* rb = new QRadioButton(Langue::QTxt(cles[k]), gType);
        formes_->addButton(rb, k);
        vType->addWidget(rb);
    }

    auto* gProp = new QGroupBox(Langue::QTxt("rsGBPropSurfCaption"), this);
    gProp->setObjectName(QStringLiteral("GBPropSurf"));
    auto* fProp = new QFormLayout(gProp);
    flexLong_ = new QSpinBox(gProp);
    flexTrans_ = new QSpinBox(gProp);
    flexLong_->setObjectName(QStringLiteral("FlexLong"));
    flexTrans_->setObjectName(QStringLiteral("FlexTrans"));
    for (QSpinBox* s : {flexLong_, flexTrans_}) {
        s->setRange(PropSurf::kOrdreMin, PropSurf::kOrdreMax);
        s->setValue(3);
    }
    fProp->addRow(new QLabel(Langue::QTxt("rsLabelFlexCaption"), gProp));
    fProp->addRow(Langue::QTxt("rsLabelFlexLongCaption"), flexLong_);
    fProp->addRow(Langue::QTxt("rsLabelFlexTransCaption"), flexTrans_);
    auto coche = [&](const char* nom, const char* cle, bool on) {
        auto* c = new QCheckBox(Langue::QTxt(cle), gProp);
        c->setObjectName(QLatin1String(nom));
        c->setChecked(on);
        fProp->addRow(c);
        return c;
    };
    sym_ = coche("CBSym", "rsCBSymCaption", true);
    visible_ = coche("CBVisible", "rsCBVisibleCaption", true);
    verrou_ = coche("CBVerrou", "rsCBVerrouCaption", false);
    voile_ = coche("CBVoile", "rsCBVoileCaption", false);
    flotteur_ = coche("cbFlotteur", "rsCheckBoxACalcCaption", true);

    // A shape suggests its orders.
    connect(formes_, &QButtonGroup::idClicked, this, [this](int forme) {
        const SurfNew::TOrdres o = SurfNew::OrdresForme(forme);
        flexLong_->setValue(o.Long);
        flexTrans_->setValue(o.Trans);
    });

    auto* ok = new QPushButton(Langue::QTxt("rsBtnOK"), this);
    auto* ann = new QPushButton(Langue::QTxt("rsBtnAnnuler"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ann->setObjectName(QStringLiteral("BtnAnnuler"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TSurfNewForm::Valider);
    connect(ann, &QPushButton::clicked, this, [this] {
        confirme_ = false;
        reject();
    });

    auto* v = new QVBoxLayout(this);
    auto* hNom = new QHBoxLayout;
    hNom->addWidget(new QLabel(Langue::QTxt("rsLabelNomSurfaceCaption"), this));
    hNom->addWidget(nom_);
    v->addLayout(hNom);
    auto* h = new QHBoxLayout;
    h->addWidget(gType);
    h->addWidget(gProp);
    v->addLayout(h);
    auto* hb = new QHBoxLayout;
    hb->addStretch();
    hb->addWidget(ok);
    hb->addWidget(ann);
    v->addLayout(hb);
}

bool TSurfNewForm::Execute() {
    if (main_.Doc().NbSurf() >= kMaxSurfaces) {
        Ui::ui().msgDlg(Langue::Txt("rsErrMaxSurfOuv"), Ui::MsgType::Warning, Ui::mbOK);
        return false;
    }
    confirme_ = false;
    nom_->clear();
    formes_->button(0)->setChecked(true);
    emit formes_->idClicked(0);
    nom_->setFocus();
    exec();
    return confirme_;
}

void TSurfNewForm::Valider() {
    Document& doc = main_.Doc();
    const std::string nom = nom_->text().toStdString();
    const std::string refus = SurfNew::RefusNom(doc, nom);
    if (!refus.empty()) {
        Ui::ui().msgDlg(refus, Ui::MsgType::Warning, Ui::mbOK);
        return;
    }
    SurfNew::TNouvelle n;
    n.Nom = nom;
    n.Forme = std::max(0, formes_->checkedId());
    n.FlexLong = flexLong_->value();
    n.FlexTrans = flexTrans_->value();
    n.Sym = sym_->isChecked();
    n.Visible = visible_->isChecked();
    n.Verrou = verrou_->isChecked();
    n.Voile = voile_->isChecked();
    n.Flotteur = flotteur_->isChecked();
    if (SurfNew::AjouteSurf(doc, n) < 0) return;
    confirme_ = true;
    // A surface was added: a snapshot taken now would give nothing back and
    // the one before could not be paired with the surfaces any more.
    // Annuler stays off until the next change.
    main_.RecordAction(TUndo::kListeSurf);
    accept();
}
