#include "app/gui/PropFichForm.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "base/Debug.h"

namespace {

QPointer<TPropFichForm> g_propFich;

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TPropFichForm* PropFichForm() { return g_propFich; }

TPropFichForm* CreePropFichForm(QWidget* principale) {
    if (!g_propFich) g_propFich = new TPropFichForm(principale);
    return g_propFich;
}

TPropFichForm::TPropFichForm(QWidget* parent) : QDialog(parent) {
    DBG_SCOPE("TPropFichForm.FormCreate");
    setObjectName(QStringLiteral("PropFichForm"));
    setWindowTitle(Langue::QTxt("rsPropFichFormCaption"));
    auto* haut = new QVBoxLayout(this);
    auto* champs = new QFormLayout;
    auto ligne = [&](const char* label, const char* nom, int longueur) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(nom));
        e->setMaxLength(longueur);
        auto* l = new QLabel(Langue::QTxt(std::string("rs") + label + "Caption"), this);
        l->setObjectName(QLatin1String(label));
        l->setBuddy(e);
        champs->addRow(l, e);
        return e;
    };
    EditTitre = ligne("LabelTitre", "EditTitre", TPropFich::kLongTitre);
    EditTypeBateau = ligne("LabelType", "EditTypeBateau", TPropFich::kLongTitre);
    EditArchi = ligne("LabelArchi", "EditArchi", TPropFich::kLongTitre);
    EditSociete = ligne("LabelSociete", "EditSociete", TPropFich::kLongTitre);
    EditVersion = ligne("LabelVersion", "EditVersion", TPropFich::kLongVersion);
    EditDate = ligne("LabelDate", "EditDate", TPropFich::kLongDate);
    // Labels of their own, not the about box's "Compilé le" and "Version ".
    Langue::DonneCle(findChild<QLabel*>(QStringLiteral("LabelDate")), "rsLabelDateCaption");
    Langue::DonneCle(findChild<QLabel*>(QStringLiteral("LabelVersion")), "-");
    auto* nom = new QLabel(Langue::QTxt("rsLabelFileNameCaption"), this);
    nom->setObjectName(QStringLiteral("LabelFileName"));
    LabelCurrentFile = new QLabel(this);
    LabelCurrentFile->setObjectName(QStringLiteral("LabelCurrentFile"));
    Langue::DonneCle(LabelCurrentFile, "-");  // the document's file name
    champs->addRow(nom, LabelCurrentFile);
    haut->addLayout(champs);
    auto* com = new QLabel(Langue::QTxt("rsLabelComCaption"), this);
    com->setObjectName(QStringLiteral("LabelCom"));
    haut->addWidget(com);
    MemoCom = new QPlainTextEdit(this);
    MemoCom->setObjectName(QStringLiteral("MemoCom"));
    MemoCom->setLineWrapMode(QPlainTextEdit::NoWrap);
    haut->addWidget(MemoCom);

    auto* boutons = new QHBoxLayout;
    auto* ok = new QPushButton(Langue::QTxt("rsBtnOK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    auto* ann = new QPushButton(Langue::QTxt("rsBtnAnnuler"), this);
    ann->setObjectName(QStringLiteral("BtnAnnuler"));
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(ann);
    haut->addLayout(boutons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(ann, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 420);
}

void TPropFichForm::FormShow(const TPropFich& p, const std::string& nomFichier) {
    DBG_SCOPE("TPropFichForm.FormShow");
    EditTitre->setText(Q(p.Titre));
    EditTypeBateau->setText(Q(p.Type));
    EditArchi->setText(Q(p.Archi));
    EditSociete->setText(Q(p.Societe));
    EditVersion->setText(Q(p.Version));
    EditDate->setText(Q(p.Date));
    findChild<QLabel*>(QStringLiteral("LabelVersion"))->setText(Langue::QTxt("rsLabelVersionCaption").trimmed());
    findChild<QLabel*>(QStringLiteral("LabelDate"))->setText(Langue::QTxt("rsLabelDateCaption"));
    QStringList lignes;
    for (const std::string& l : p.Comment) lignes << Q(l);
    MemoCom->setPlainText(lignes.join(QLatin1Char('\n')));
    // The name only while that file exists (not for an untitled document).
    const QFileInfo f(Q(nomFichier));
    LabelCurrentFile->setText(!nomFichier.empty() && f.isFile() ? f.fileName() : QString());
}

void TPropFichForm::LitChamps(TPropFich& p) const {
    DBG_SCOPE("TPropFichForm.BtnOKClick");
    auto champ = [](const QLineEdit* e, std::size_t n) { return ObjCom::Tronque(e->text().toStdString(), n); };
    p.Titre = champ(EditTitre, TPropFich::kLongTitre);
    p.Type = champ(EditTypeBateau, TPropFich::kLongTitre);
    p.Archi = champ(EditArchi, TPropFich::kLongTitre);
    p.Societe = champ(EditSociete, TPropFich::kLongTitre);
    p.Version = champ(EditVersion, TPropFich::kLongVersion);
    p.Date = champ(EditDate, TPropFich::kLongDate);
    p.Comment.clear();
    const QString texte = MemoCom->toPlainText();
    if (!texte.isEmpty())
        for (const QString& l : texte.split(QLatin1Char('\n'))) p.Comment.push_back(l.toStdString());
}

bool TPropFichForm::Execute(TPropFich& prop, const std::string& nomFichier) {
    FormShow(prop, nomFichier);
    if (exec() != QDialog::Accepted) return false;
    LitChamps(prop);
    return true;
}
