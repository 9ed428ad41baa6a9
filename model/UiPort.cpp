#include "model/UiPort.h"

namespace Ui {
namespace {
IUserInterface g_silent;
IUserInterface* g_current = &g_silent;
}  // namespace

IUserInterface& ui() { return *g_current; }
IUserInterface* current() { return g_current; }
void setUi(IUserInterface* impl) { g_current = impl ? impl : &g_silent; }

ScopedUi::ScopedUi(IUserInterface* impl) : previous_(g_current) { setUi(impl); }
ScopedUi::~ScopedUi() { g_current = previous_; }
}  // namespace Ui
