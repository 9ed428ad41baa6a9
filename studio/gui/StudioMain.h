// The studio as one of the main window's windows: created once at start-up
// in a child window of its own (hidden until asked for), shown maximised by
// "Fenêtres › Studio" and its button, its picture copied by "Copier".
#pragma once

class TMainForm;
class TStudioForm;
class TVueCtrlForm;

namespace StudioMain {

// Creates the studio for this main window (once); returns it.
TStudioForm* Cree(TMainForm& m);
// Maximises the studio, makes it the active window, ticks its item and button.
void Montre(TMainForm& m);
// Whether the studio is the main window's active child window.
bool Actif(const TMainForm& m);
// Copies the studio's picture to the clipboard when it is the active window.
void Copie(const TMainForm& m);
// The view-control window steers the studio with its five bars and follows it.
void BrancheControle(TVueCtrlForm& c);

}  // namespace StudioMain
