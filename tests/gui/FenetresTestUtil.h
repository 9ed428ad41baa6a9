// The main window, not shown, with drawing on and its default hull
// evaluated, for the tests of the windows its commands open.
#pragma once
#include <QTimer>

#include <functional>
#include <memory>

#include "model/Update.h"
#include "tests/gui/MainFormTestUtil.h"

class FenetresTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        f_ = std::make_unique<TMainForm>();
        f_->SetDialogues(&d_);
        Doc().FormeAffichee = true;  // as once the window is shown
        Doc().Surface(0)->Calculee = 0;
        ObjCom::MajSurface(Doc(), true, -1);
        F().MarquerEnregistre();
    }
    Document& Doc() { return F().Doc(); }
    template <class T>
    T* Fenetre() { return F().findChild<T*>(); }

    // Runs `pendant` inside the modal dialog the command opens; the dialog
    // is closed afterwards if `pendant` left it open.
    template <class T>
    void Commande(const char* nom, std::function<void(T&)> pendant) {
        QTimer::singleShot(0, [this, pendant] {
            T* f = Fenetre<T>();
            ASSERT_NE(f, nullptr);
            ASSERT_TRUE(f->isVisible());
            pendant(*f);
            if (f->isVisible()) f->reject();
        });
        F().Action(QLatin1String(nom))->trigger();
    }
};
