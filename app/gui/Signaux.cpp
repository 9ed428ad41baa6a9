#include "app/gui/Signaux.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QString>

#include <cerrno>
#include <csignal>

namespace Signaux {

namespace {

int g_tube[2] = {-1, -1};
QSocketNotifier* g_notif = nullptr;
std::function<void(int)> g_surSignal;
std::function<void()> g_surPerte;
QtMessageHandler g_messagesAvant = nullptr;

void SurSignal(int sig) {
    const int errnoAvant = errno;
    const unsigned char octet = static_cast<unsigned char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(g_tube[1], &octet, 1);
    errno = errnoAvant;
}

void Messages(QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
    // The xcb plugin says this, then calls exit(): the last moment to act.
    if (g_surPerte && texte.contains(QLatin1String("X11 connection broke"))) {
        auto f = std::move(g_surPerte);
        g_surPerte = nullptr;
        try {
            f();
        } catch (...) {
        }
    }
    if (g_messagesAvant) g_messagesAvant(type, contexte, texte);
}

}  // namespace

void Installe() {
    if (g_tube[0] < 0 && ::pipe2(g_tube, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction sa {};
    sa.sa_handler = SurSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGHUP, SIGINT, SIGQUIT}) ::sigaction(sig, &sa, nullptr);
}

void Ecoute(std::function<void(int)> f) {
    if (g_tube[0] < 0) return;
    g_surSignal = std::move(f);
    delete g_notif;
    g_notif = new QSocketNotifier(g_tube[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(g_notif, &QSocketNotifier::activated, g_notif, [] {
        unsigned char octet = 0;
        int sig = 0;
        while (::read(g_tube[0], &octet, 1) == 1)
            if (!sig) sig = octet;
        if (sig && g_surSignal) {
            auto f = std::move(g_surSignal);
            g_surSignal = nullptr;
            f(sig);
        }
    });
}

void SurPerteAffichage(std::function<void()> f) {
    g_surPerte = std::move(f);
    QtMessageHandler avant = qInstallMessageHandler(Messages);
    if (avant != Messages) g_messagesAvant = avant;
}

void Retire() {
    delete g_notif;
    g_notif = nullptr;
    g_surSignal = nullptr;
    g_surPerte = nullptr;
    qInstallMessageHandler(g_messagesAvant);
    g_messagesAvant = nullptr;
}

}  // namespace Signaux
