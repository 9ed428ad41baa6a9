// Writes the current texts of the text table into the windows.
//
// Every window and widget carries its component name as its Qt object name
// ("MainForm", "BtnOK", "MeOuvrir", "SB_Souder" ...). A window's title takes
// "rs" + its name + "Caption"; each named object below it takes:
//   "rs" + name + "Caption": the text of a button, check box, radio button,
//       label, menu action, the title of a group box, of a submenu, of a tab
//       page (the page's tab), or of a child window;
//   "rs" + name + "Hint": the tool tip of a widget or an action;
//   "rs" + name + "Text": the text of a line edit;
//   "rs" + name + "Filter": the name filters of a file dialog;
// when the table has that key. For the caption, a shared text named exactly
// like the component comes first ("BtnOK" -> "rsBtnOK", "BtnAnnuler" ->
// "rsBtnAnnuler", "PmStudio" -> "rsPmStudio"), so the OK and Cancel buttons of
// every dialog need nothing more. Any other choice is named on the component
// by the dynamic properties "rsCaption" and "rsHint" holding the key (see
// DonneCle): the spacing labels take "rsLabelEsp", the view buttons' hints
// "rsVueSection" ..., the development dialog's BtnOK "rsBtnOKCaption". A key
// named on the component wins over both rules; naming a key the table does
// not hold ("-") leaves that text alone, for a label the window fills itself
// (the about box's "LabelDate", which would otherwise take "rsLabelDate").
//
// So a window only names its widgets; calling AppliqueLangue after creating
// it and after every change of language keeps it in the current language.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QObject;
class QString;
class QWidget;

namespace Langue {

// Applies the texts to the window and everything it holds.
void AppliqueLangue(QWidget* fenetre);
// Applies the texts to every top-level window of the application.
void AppliqueLangueTout();

// Qt's own texts (standard dialogs and their buttons) in the interface
// language: French when no language file is chosen; another language
// through its locale name when Qt knows it, else Qt's English.
void ChargeTraductionsQt(const QString& langue);

// Names the keys of a component's caption and hint (an empty key keeps the
// naming rule for that text).
void DonneCle(QObject* composant, std::string_view cleCaption, std::string_view cleHint = {});

// The width a window needs for its title to show whole in the title bar the
// desktop draws round it: the title in bold, and room for the bar's icon
// and buttons.
int LargeurTitre(const QWidget* fenetre);

// Names a file dialog the window opens when needed, by the key of its
// filter ("rsCSVFilter"): a component named after the key ("CSV"), so that
// the translators' template lists the filter under the window.
void DialogueFichier(QWidget* fenetre, std::string_view cleFiltre, bool enregistrer);
// The key of a component named by DialogueFichier, else "".
std::string CleDialogue(const QObject* composant);
// Whether that dialog saves.
bool DialogueEnregistre(const QObject* composant);

// The current text of a key, for Qt.
QString QTxt(std::string_view cle);
// The file filter of a key in Qt's form ("desc (*.x);;...").
QString FiltreDialogue(std::string_view cle);

}  // namespace Langue
