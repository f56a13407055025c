// Saves births into the register named on the command line until it is
// killed, printing each id once its save has returned.
#include <QCoreApplication>
#include <cstdio>

#include "register/Register.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: register_crash_child REGISTER\n");
        return 2;
    }
    amsaview::Register births;
    const auto opened = births.open(QString::fromLocal8Bit(argv[1]));
    if (!opened) {
        std::fprintf(stderr, "%s\n", opened.error().toLocal8Bit().constData());
        return 1;
    }
    for (int sequence = 0;; ++sequence) {
        amsaview::SavedBirth birth;
        birth.form.name = "CRASH TEST";
        birth.form.city = std::to_string(sequence);
        birth.note = std::string(static_cast<std::size_t>(sequence % 997), 'n');
        const auto id = births.saveNew(birth);
        if (!id) {
            std::fprintf(stderr, "%s\n", id.error().toLocal8Bit().constData());
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(id.value()));
        std::fflush(stdout);
    }
}
