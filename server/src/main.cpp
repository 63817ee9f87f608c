#include "identity/securerandom.h"
#include "serveroptions.h"
#include "servicehost.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int quitPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop reads the pipe and quits.
void requestQuit(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(quitPipe[1], &byte, 1);
}

void quitOnTermination(QCoreApplication &app)
{
    if (::pipe(quitPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGTERM, requestQuit);
    std::signal(SIGINT, requestQuit);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrelwood-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRELWOOD_SERVER_VERSION));
    if (!SecureRandom::initialize()) {
        std::fprintf(stderr, "libsodium could not be initialised\n");
        return 1;
    }
    QString error;
    const std::optional<ServerOptions> options
        = ServerOptions::parse(QCoreApplication::arguments(), QProcessEnvironment::systemEnvironment(), &error);
    if (!options) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    if (options->helpRequested) {
        std::fputs(qPrintable(options->helpText), stdout);
        return 0;
    }
    if (options->versionRequested) {
        std::printf("kestrelwood-server %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    ServiceHost host(*options);
    if (!host.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    quitOnTermination(app);
    const QString scheme = options->tlsCertificateFile.isEmpty() ? QStringLiteral("http") : QStringLiteral("https");
    // Tests and scripts read the port from this line when they asked for port 0.
    std::printf("Listening on %s://%s:%u\n", qPrintable(scheme), qPrintable(options->listenAddress.toString()),
                unsigned(host.port()));
    std::fflush(stdout);
    return app.exec();
}
