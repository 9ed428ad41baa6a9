// The program's own mouse cursors, drawn in code and found by name:
// "crCroixInv" (the views' resting cross-hair), "crAjout" and "crSuppr" (add
// and delete a row or column of a net, delete a mark), "crDepl" (pan),
// "crRep" (add a mark) and "crPoids" (add a weight). Each is black on a white
// halo so it reads on any background; the hot spot is the cross-hair's centre.
#pragma once

#include <QCursor>
#include <string_view>

namespace Curseurs {

// The views' cursor while no tool that has its own is armed.
inline constexpr std::string_view kRepos = "crCroixInv";

// The cursor named `nom`; the arrow for an unknown name.
QCursor Curseur(std::string_view nom);

// Gives the four drawing views (hidden ones too) the cursor named `nom`.
void PoseSurVues(std::string_view nom);

}  // namespace Curseurs
