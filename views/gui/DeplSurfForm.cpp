#include "views/gui/DeplSurfForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Chaines.h"
#include "base/Langue.h"
#include "model/Update.h"
#include "views/DeplSurf.h"
#include "views/gui/SelSurfaces.h"

namespace {

const char* const kLabels[6] = {"Largeur  X =", "Longueur  Y =", "Hauteur  Z =", "Gite ( axe longitudinal )",
                                "Tangage ( axe  transversal  )", "Latéral ( axe vertical )"};

}  // namespace

TDeplSurfForm::TDeplSurfForm(TMainForm& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("DeplSurfForm"));
    setWindowFlag(Qt::Tool);
    resize(392, 335);
    gDepl_ = new QGroupBox(this);
    gRot_ = new QGroupBox(QStringLiteral("Rotation"), this);
    gDepl_->setObjectName(QStringLiteral("GBDepl"));
    gRot_->setObjectName(QStringLiteral("GBRot"));
    auto* fD = new QFormLayout(gDepl_);
    auto* fR = new QFormLayout(gRot_);
    const char* noms[6] = {"EditX", "EditY", "EditZ", "EditGite", "EditLat", "EditLong"};
    for (int k = 0; k < 6; ++k) {
        champs_[k] = new QLineEdit(k < 3 ? gDepl_ : gRot_);
        champs_[k]->setObjectName(QLatin1String(noms[k]));
        (k < 3 ? fD : fR)->addRow(QString::fromUtf8(kLabels[k]), champs_[k]);
        connect(champs_[k], &QLineEdit::editingFinished, this, [this, k] {
            double v = 0;
            if (Chaines::TexteVersReel(champs_[k]->text().toStdString(), v))
                champs_[k]->setText(QString::fromStdString(Chaines::FormatFixe(v, k < 3 ? 3 : 1)));
        });
    }
    conjoint_ = new QCheckBox(QStringLiteral("Déplacement  conjoint de la surface"), this);
    conjoint_->setObjectName(QStringLiteral("CBDeplConjoint"));
    conjoint_->setChecked(true);
    sel_ = new TSelSurfaces(this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    auto* ann = new QPushButton(Langue::QTxt("rsBtnAnnuler"), this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    ann->setObjectName(QStringLiteral("BtnAnn"));
    connect(ok_, &QPushButton::clicked, this, &TDeplSurfForm::Valider);
    connect(ann, &QPushButton::clicked, this, [this] {
        confirme_ = false;
        reject();
    });
    // OK only while a surface is chosen.
    connect(sel_, &TSelSurfaces::change, this, [this] { ok_->setEnabled(sel_->Courante() >= 0); });

    auto* g = new QVBoxLayout;
    g->addWidget(gDepl_);
    g->addWidget(gRot_);
    g->addWidget(conjoint_);
    g->addStretch();
    auto* hb = new QHBoxLayout;
    hb->addWidget(ok_);
    hb->addWidget(ann);
    g->addLayout(hb);
    auto* h = new QHBoxLayout(this);
    h->addLayout(g);
    h->addWidget(sel_);
    Langue::AppliqueLangue(this);
}

bool TDeplSurfForm::Execute(int mode) {
    static const char* const titres[3] = {"Déplacer des surfaces", "Rotation des surfaces",
                                          "Modifier le plan de symétrie"};
    static const char* const groupes[3] = {"Déplacement", "Centre de la rotation", "Base du plan de symétrie"};
    if (mode < 0 || mode > 2) {
        Ui::ui().msgDlg(Langue::Txt("rsErActionNonPrevue"), Ui::MsgType::Warning, Ui::mbOK);
        return false;
    }
    mode_ = mode;
    confirme_ = false;
    setWindowTitle(QString::fromUtf8(titres[mode]));
    gDepl_->setTitle(QString::fromUtf8(groupes[mode]));
    gRot_->setVisible(mode != DeplSurf::dmDeplace);
    conjoint_->setEnabled(mode == DeplSurf::dmPlanSym);
    for (int k = 0; k < 6; ++k) champs_[k]->setText(k < 3 ? QStringLiteral("0.000") : QStringLiteral("0.0"));
    sel_->Remplit(main_.Doc());
    ok_->setEnabled(false);
    exec();
    sel_->Vide();
    return confirme_;
}

void TDeplSurfForm::Valider() {
    double v[6] = {};
    for (int k = 0; k < 6; ++k)
        if ((k < 3 || mode_ != DeplSurf::dmDeplace) &&
            !Champs::LitReel(champs_[k], QString::fromUtf8(kLabels[k]), v[k]))
            return;
    DeplSurf::TParams p;
    p.E = {v[0], v[1], v[2]};
    p.A = {v[4], v[3], v[5]};  // about X the "Tangage", about Y the "Gite", about Z the "Latéral"
    p.Conjoint = conjoint_->isChecked();
    Document& doc = main_.Doc();
    main_.RecordAction(0);
    DeplSurf::Applique(doc, mode_, sel_->Selection(), p);
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajCoupesSurface(doc);
    confirme_ = true;
    accept();
}
