#include "platform/ProcessRunner.h"

#include "platform/Pump.h"
#include "tests/common/TestUmgebung.h"

#include <QEventLoop>
#include <QTimer>

#include <stdexcept>

namespace {

// A pump that, like a message box shown meanwhile, runs the event loop for a while: the
// program ends during that time, and its end is handled there.
class LangePump : public Pump {
public:
    void verarbeiten() override {
        if (++aufrufe_ > 20)
            throw std::runtime_error("the wait does not end");
        QEventLoop schleife;
        QTimer::singleShot(300, &schleife, &QEventLoop::quit);
        schleife.exec();
    }

private:
    int aufrufe_ = 0;
};

} // namespace

TEST(ProcessRunner, EndeWaehrendDerPumpeBeendetDasWarten) {
    const struct {
        const char* befehl;
        int code;
    } faelle[] = {{"exit 0", 0}, {"sleep 0.1; exit 3", 3}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.befehl);
        LangePump pump;
        ProcessRunner::Ergebnis e;
        EXPECT_NO_THROW(e = ProcessRunner::ausfuehren(
                            "/bin/sh", {"-c", QString::fromLatin1(fall.befehl)}, pump));
        EXPECT_TRUE(e.gestartet);
        EXPECT_EQ(e.code, fall.code);
    }
}
