#include "calc/gui/GrilleResultats.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QValueAxis>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <set>

#include "app/gui/AppliqueLangue.h"
#include "base/Chaines.h"
#include "base/Encodage.h"
#include "calc/Graduation.h"
#include "model/UiPort.h"

namespace GrilleResultats {

QString Nombre(double v, int decimales) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimales);
    QString t = QString::fromLatin1(buf, static_cast<int>(r.ptr - buf));
    // A value that rounds to zero shows no sign.
    if (t.startsWith(QLatin1Char('-')) && t.count(QLatin1Char('0')) == t.size() - 1 - (decimales > 0 ? 1 : 0)) t.remove(0, 1);
    return t;
}

QString DemandeFichier(QWidget* parent, const char* cleFiltre, const char* extension, bool enregistrer) {
    QFileDialog d(parent);
    d.setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!enregistrer) d.setFileMode(QFileDialog::ExistingFile);
    d.setNameFilter(Langue::FiltreDialogue(cleFiltre));
    d.setDefaultSuffix(QString::fromLatin1(extension));
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first() : QString();
}

void Gradue(QValueAxis* axe, int decimales) {
    // The range last set here: met again, it is already graduated.
    auto pose = std::make_shared<std::pair<double, double>>(NAN, NAN);
    auto maj = [axe, decimales, pose] {
        if ((axe->min() == pose->first && axe->max() == pose->second) || !std::isfinite(axe->max() - axe->min()))
            return;
        const double pas = Graduation::Pas(axe->min(), axe->max());
        // The range widened to the multiples of the step, a tick on each.
        // The chart places tick i at min + i (max - min) / (n - 1), whose
        // error could put the tick at 0 a hair below and read "-0.0": the
        // range starts a hair above its multiple (far more than that error,
        // far less than anything the labels or the drawing show).
        const double n0 = std::floor(axe->min() / pas + 1e-6);
        const double intervalles = std::max(std::ceil(axe->max() / pas - 1e-6) - n0, 1.0);
        *pose = {n0 * pas + pas * 1e-12, (n0 + intervalles) * pas};
        axe->setTickType(QValueAxis::TicksFixed);
        axe->setTickCount(static_cast<int>(intervalles) + 1);
        axe->setLabelFormat(QStringLiteral("%.%1f").arg(decimales >= 0 ? decimales : Graduation::Decimales(pas)));
        axe->setRange(pose->first, pose->second);
    };
    QObject::connect(axe, &QValueAxis::rangeChanged, axe, maj);
    maj();
}

QToolButton* Outil(QWidget* parent, const char* nom, const char* hint, QStyle::StandardPixmap icone) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setIcon(parent->style()->standardIcon(icone));
    Langue::DonneCle(b, "-", hint);
    return b;
}

std::vector<std::vector<std::string>> Cellules(const QTableWidget* g, int premiere, int derniere) {
    std::vector<std::vector<std::string>> r;
    for (int i = 0; i < g->rowCount(); ++i) {
        std::vector<std::string> l;
        for (int j = premiere; j <= derniere; ++j) {
            const QTableWidgetItem* it = g->item(i, j);
            l.push_back(it ? it->text().toStdString() : std::string());
        }
        r.push_back(std::move(l));
    }
    return r;
}

void EcritLigne(QTableWidget* g, int ligne, int premiere, const std::vector<std::string>& textes) {
    if (g->rowCount() <= ligne) g->setRowCount(ligne + 1);
    for (std::size_t k = 0; k < textes.size(); ++k)
        g->setItem(ligne, premiere + static_cast<int>(k), new QTableWidgetItem(QString::fromStdString(textes[k])));
}

void Numerote(QTableWidget* g, int depuis) {
    for (int i = 0; i < g->rowCount(); ++i) {
        auto* it = new QTableWidgetItem(QString::number(depuis + i));
        it->setFlags(it->flags() & ~Qt::ItemIsEditable);
        g->setItem(i, 0, it);
    }
}

namespace {

std::string NonNumerique(const QString& texte) {
    return QStringLiteral("'%1' n'est pas une valeur numérique correcte").arg(texte).toStdString();
}

}  // namespace

void SignaleCellule(QTableWidget* g, int ligne, int colonne, Saisie::TDomaine d) {
    g->setCurrentCell(ligne, colonne);
    const QTableWidgetItem* it = g->item(ligne, colonne);
    const QString texte = it ? it->text() : QString();
    double v = 0.0;
    const bool nombre = Chaines::TexteVersReel(Chaines::RemplaceCar(texte.trimmed().toStdString(), ',', '.'), v);
    const QTableWidgetItem* entete = g->horizontalHeaderItem(colonne);
    Ui::ui().showMessage((nombre ? Saisie::Refus(v, d) : NonNumerique(texte)) + " : " +
                         (entete ? entete->text().toStdString() : std::string()));
}

bool LitReel(QLineEdit* e, double& v) {
    const std::string t = e->text().trimmed().toStdString();
    if (Chaines::TexteVersReel(Chaines::RemplaceCar(t, ',', '.'), v)) return true;
    if (!t.empty()) Ui::ui().showMessage(NonNumerique(e->text()));
    return false;
}

}  // namespace GrilleResultats

namespace {

// Title rows: silver background, bold, text 2 pixels from the cell's edges.
class DelegueTitre : public QStyledItemDelegate {
public:
    explicit DelegueTitre(TGrilleResultats* g) : QStyledItemDelegate(g), grille_(g) {}
    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& idx) const override {
        if (!grille_->EstTitre(idx.row())) {
            QStyledItemDelegate::paint(p, opt, idx);
            return;
        }
        p->save();
        p->fillRect(opt.rect, QColor(192, 192, 192));
        QFont f = opt.font;
        f.setBold(true);
        p->setFont(f);
        p->setPen(Qt::black);
        p->drawText(opt.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, idx.data().toString());
        p->restore();
    }

private:
    TGrilleResultats* grille_;
};

}  // namespace

TGrilleResultats::TGrilleResultats(int colonnes, QWidget* parent) : QTableWidget(0, colonnes, parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(17);
    horizontalHeader()->setVisible(false);
    setItemDelegate(new DelegueTitre(this));
}

void TGrilleResultats::Vide() { setRowCount(0); }

QString TGrilleResultats::Texte(int ligne, int colonne) const {
    const QTableWidgetItem* it = item(ligne, colonne);
    return it ? it->text() : QString();
}

bool TGrilleResultats::AEntete() const { return !horizontalHeader()->isHidden(); }

bool TGrilleResultats::EstTitre(int ligne) const {
    for (int j = 1; j < columnCount(); ++j)
        if (!Texte(ligne, j).isEmpty()) return false;
    return true;
}

void TGrilleResultats::AjouteTitre(const QString& titre) {
    setRowCount(rowCount() + 1);
    setItem(rowCount() - 1, 0, new QTableWidgetItem(titre));
}

void TGrilleResultats::AjouteLigne(const QString& libelle, int decimales, double valeur) {
    AjouteTitre(libelle);
    auto* v = new QTableWidgetItem(GrilleResultats::Nombre(valeur, decimales));
    v->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setItem(rowCount() - 1, 1, v);
}

void TGrilleResultats::AjouteLignes(const std::vector<Hydrostat::TLigneResultat>& lignes) {
    setUpdatesEnabled(false);
    for (const auto& l : lignes) {
        if (l.Titre) AjouteTitre(QString::fromStdString(l.Libelle));
        else AjouteLigne(QString::fromStdString(l.Libelle), l.Decimales, l.Valeur);
    }
    setUpdatesEnabled(true);
}

QString TGrilleResultats::TexteCopie(bool toutesLignes) const {
    QString t;
    auto ligne = [&](auto cellule) {
        QStringList c;
        for (int j = 0; j < columnCount(); ++j) c << cellule(j);
        t += c.join(QLatin1Char('\t')) + QLatin1Char('\r');
    };
    if (AEntete())
        ligne([&](int j) { return horizontalHeaderItem(j) ? horizontalHeaderItem(j)->text() : QString(); });
    std::set<int> rangs;
    if (toutesLignes) {
        for (int i = 0; i < rowCount(); ++i) rangs.insert(i);
    } else {
        for (const QModelIndex& i : selectionModel()->selectedIndexes()) rangs.insert(i.row());
    }
    for (int i : rangs) ligne([&](int j) { return Texte(i, j); });
    return t;
}

void TGrilleResultats::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_C && e->modifiers() == Qt::ControlModifier) {
        QApplication::clipboard()->setText(TexteCopie());
        return;
    }
    QTableWidget::keyPressEvent(e);
}

bool TGrilleResultats::Enregistre(const QString& fichier) const {
    std::vector<std::string> lignes;
    for (const QString& l : TexteCopie(true).split(QLatin1Char('\r'), Qt::SkipEmptyParts))
        lignes.push_back(l.toStdString());
    std::string erreur;
    if (Encodage::EcritFichierTexte(fichier.toStdString(), lignes, &erreur)) return true;
    Ui::ui().showMessage("Erreur d'écriture du fichier : " + fichier.toStdString() + " (" + erreur + ")");
    return false;
}

void TGrilleResultats::Imprime(QPrinter& printer, const QString& titre) const {
    QPainter p;
    if (!p.begin(&printer)) return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect zone(0, 0, page.width(), page.height());
    std::vector<QStringList> lignes;
    for (const QString& l : TexteCopie(true).split(QLatin1Char('\r'), Qt::SkipEmptyParts))
        lignes.push_back(l.split(QLatin1Char('\t')));
    // The header and the title rows are bold.
    const std::size_t entetes = AEntete() ? 1 : 0;
    auto gras = [&](std::size_t i) { return i < entetes || EstTitre(static_cast<int>(i - entetes)); };
    // Each column as wide as its widest text and a margin, at 9 points or
    // at the size that gives every column its room across the page.
    QFont f = font();
    std::vector<int> w;
    int h = 0;
    auto mesure = [&](double points) {
        f.setPointSizeF(points);
        QFont g = f;
        g.setBold(true);
        const QFontMetrics m(f, &printer), mg(g, &printer);
        h = m.height() * 3 / 2;
        w.assign(static_cast<std::size_t>(columnCount()), 0);
        for (std::size_t i = 0; i < lignes.size(); ++i)
            for (int j = 0; j < lignes[i].size() && j < columnCount(); ++j) {
                int& l = w[static_cast<std::size_t>(j)];
                l = std::max(l, (gras(i) ? mg : m).horizontalAdvance(lignes[i][j]) + h / 2 + 1);
            }
        int total = 0;
        for (int x : w) total += x;
        return total;
    };
    for (double points = 9.0, total = mesure(points); total > zone.width() && points > 1.0; total = mesure(points))
        points *= std::max(0.5, std::min(0.97, static_cast<double>(zone.width()) / total));
    auto ligne = [&](std::size_t i, int y) {
        QFont g = f;
        g.setBold(gras(i));
        p.setFont(g);
        int x = 0;
        for (int j = 0; j < columnCount(); ++j) {
            const QRect r(x, y, w[static_cast<std::size_t>(j)], h);
            if (i >= entetes && gras(i)) p.fillRect(r, QColor(192, 192, 192));
            p.drawRect(r);
            if (j < lignes[i].size())
                p.drawText(r.adjusted(h / 4, 0, -h / 4, 0), (j == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                           lignes[i][j]);
            x += r.width();
        }
    };
    // Each page starts with the title and the header.
    int y = zone.height();
    for (std::size_t i = entetes; i < std::max(lignes.size(), entetes + 1); ++i) {
        if (y + h > zone.height()) {
            if (i > entetes) printer.newPage();
            QFont g = font();
            g.setBold(true);
            g.setPointSizeF(12);
            // A long title gets smaller rather than running off the page.
            while (g.pointSizeF() > 1.0 && QFontMetrics(g, &printer).horizontalAdvance(titre) > zone.width())
                g.setPointSizeF(g.pointSizeF() * 0.9);
            p.setFont(g);
            y = 2 * p.fontMetrics().height();
            p.drawText(QRect(0, 0, zone.width(), y), Qt::AlignLeft | Qt::AlignVCenter, titre);
            for (std::size_t k = 0; k < entetes; ++k, y += h) ligne(k, y);
        }
        if (i < lignes.size()) ligne(i, y);
        y += h;
    }
    p.end();
}

TGrapheResultats::TGrapheResultats(QWidget* parent) : QChartView(parent) {
    setRubberBand(QChartView::RectangleRubberBand);
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
}

void TGrapheResultats::ZoomArriere() { chart()->zoomReset(); }

void TGrapheResultats::Graduations() {
    for (QAbstractAxis* a : chart()->axes())
        if (auto* v = qobject_cast<QValueAxis*>(a)) GrilleResultats::Gradue(v);
}

void TGrapheResultats::setLigneZero(bool oui) {
    ligneZero_ = oui;
    viewport()->update();
}

void TGrapheResultats::setEtiquettes(std::vector<TEtiquette> e) {
    etiquettes_ = std::move(e);
    viewport()->update();
}

void TGrapheResultats::drawForeground(QPainter* p, const QRectF& zone) {
    QChartView::drawForeground(p, zone);
    if (chart()->series().isEmpty()) return;
    const QRectF trace = chart()->plotArea();
    auto position = [&](QPointF v) { return chart()->mapToPosition(v, chart()->series().first()); };
    p->save();
    p->setPen(QPen(Qt::black, 0));
    const double y = position(QPointF(0.0, 0.0)).y();
    if (ligneZero_ && y >= trace.top() && y <= trace.bottom())
        p->drawLine(chart()->mapToScene(QPointF(trace.left(), y)), chart()->mapToScene(QPointF(trace.right(), y)));
    // The names above their points (below when there is no room above),
    // moved along to lie within the plot area; the font in the scene's
    // pixels, whatever device the view is drawn on (a printer too).
    QFont f = font();
    f.setPixelSize(QFontInfo(f).pixelSize());
    p->setFont(f);
    const QFontMetricsF m(f);
    for (const TEtiquette& e : etiquettes_) {
        const QPointF c = position(e.Point);
        if (!trace.contains(c)) continue;
        QRectF r(0.0, 0.0, m.horizontalAdvance(e.Texte), m.height());
        r.moveCenter(QPointF(c.x(), c.y() - 6.0 - r.height() / 2));
        if (r.top() < trace.top()) r.moveTop(c.y() + 6.0);
        r.moveLeft(std::clamp(r.left(), trace.left(), std::max(trace.left(), trace.right() - r.width())));
        p->drawText(chart()->mapToScene(r).boundingRect(), Qt::AlignCenter | Qt::TextDontClip, e.Texte);
    }
    p->restore();
}

void TGrapheResultats::Dimensionne(const QSize& taille) {
    resize(taille);
    if (QGraphicsLayout* l = chart()->layout()) l->activate();
}

void TGrapheResultats::Imprime(QPrinter& printer) {
    QPainter p;
    if (!p.begin(&printer)) return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    // Laid out for the while in the page's proportions, as wide as it is
    // shown: the chart fills the page in either orientation.
    const QSize avant = size();
    const int largeur = std::max(avant.width(), 400);
    Dimensionne(QSize(largeur, std::max(1, static_cast<int>(std::lround(largeur * double(page.height()) / page.width())))));
    render(&p, QRectF(0, 0, page.width(), page.height()), QRect(), Qt::KeepAspectRatio);
    Dimensionne(avant);
    p.end();
}
