// Measures taken with the mouse in the 2-D views and the dimensions kept from
// them, and the drawing of weights, centres, reference marks and flooding
// points. Each drawing reports nothing but its measure on the status bar.
#pragma once

#include <cstdint>
#include <string>

#include "model/Calcs.h"
#include "model/DrawCanvas.h"

struct TPoids;
struct TRepere;
struct TRepereEnv;

// A measure: a distance (TMetre), a radius with its circle (TMetreCercle) or
// an angle (TMetreAngle). P1 is the start, the centre or the vertex.
class TMesure {
public:
    enum Genre : std::uint8_t { gMetre = 0, gCercle = 1, gAngle = 2 };
    // Drawing modes: erase and rubber band draw the moving parts in
    // exclusive-or (twice at the same place gives the picture back); final
    // draws them for good and writes the value.
    enum Mode : int { mEfface = 0, mElastique = 1, mFinal = 2 };

    explicit TMesure(Genre g = gMetre) : genre_(g) {}
    Genre Kind() const { return genre_; }

    float Value = 0.0f;        // length (m) or angle (degrees)
    std::uint8_t View = 0;     // view kind it was taken in: 0 section, 1 plan, 2 profile
    TVertex3f P1, P2, P3;
    std::string Text;          // the last value written
    int NbPts = 1;             // angle: legs placed, 1 or 2

    // Draws the measure on the record's canvas with the measure colour and,
    // for the measure being taken (rapporte), writes "Mesure :" and its value
    // to status panel 3. A kept dimension redrawn leaves the panel alone.
    void Draw(int mode, const TViewRecord& vue, TColor couleur, bool rapporte = true);

private:
    bool DrawSegment(int mode, const TViewRecord& vue, TColor couleur, TPenMode debut, TPoint& a, TPoint& b);
    void DrawMetre(int mode, const TViewRecord& vue, TColor couleur);
    void DrawCercle(int mode, const TViewRecord& vue, TColor couleur);
    void DrawAngle(int mode, const TViewRecord& vue, TColor couleur);
    Genre genre_;
};

class TMetre : public TMesure {
public:
    TMetre() : TMesure(gMetre) {}
};
class TMetreCercle : public TMesure {
public:
    TMetreCercle() : TMesure(gCercle) {}
};
class TMetreAngle : public TMesure {
public:
    TMetreAngle() : TMesure(gAngle) {}
};

// A dimension kept in a view: the kind word of the text table ("Mètre",
// "Rayon" or "Angle"), the text of its value, and its measure (whose View
// tells the view it belongs to).
struct TCote {
    std::string Kind;
    std::string Text;
    TMesure Mesure;
};

namespace ObjCom {

// "%.3f m" and "%.2f °", with "." whatever the locale.
std::string TexteLongueur(double v);
std::string TexteAngle(double v);

// A weight: a dot at its centre, an arrow down to its mass (except in the
// plan view) and its name. The arrow is 10 x mass / ratioVect metres long.
void AffichePoids(const TPoids& w, int ratioVect, TColor couleur, const TViewRecord& vue);
// A circle of `taille` pixels about the point and its label.
void AfficheCentre(const TVertex3f& p, int taille, const std::string& label, TColor couleur, const TViewRecord& vue);
// A reference mark: a cross.
void AfficheRepere(const TRepere& m, TColor couleur, const TViewRecord& vue);
// A flooding point: a circle.
void AfficheRepereEnv(const TRepereEnv& f, TColor couleur, const TViewRecord& vue);

}  // namespace ObjCom
