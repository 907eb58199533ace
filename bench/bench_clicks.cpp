// Click latency, offscreen: a swatch click through to the new result texts,
// and a band-count change with its shows and hides; each also with the
// repaint of the whole window.
#include "application.h"
#include "zomar.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

using namespace zomar;

Zomar *window = nullptr;

// A press and release of the left button at the centre of a control,
// delivered to it as the window delivers a real click.
void click(QWidget *w)
{
    const QPointF centre = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, {}, {});
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

// Clicks the two controls in turn, each click with or without a repaint of
// the whole window.
void alternate(benchmark::State &state, const char *first, const char *second, bool repaint)
{
    QWidget *controls[] = {window->findChild<QWidget *>(QLatin1String(first)),
                           window->findChild<QWidget *>(QLatin1String(second))};
    int i = 0;
    for (auto _ : state) {
        click(controls[i ^= 1]);
        if (repaint) {
            QPixmap picture = window->grab();
            benchmark::DoNotOptimize(picture);
        }
    }
}

// A swatch: the stripe's colour, the band's index and the six result texts.
void BM_SwatchClick(benchmark::State &state)
{
    alternate(state, "L3_2", "L3_5", false);
}
void BM_SwatchClickAndRepaint(benchmark::State &state)
{
    alternate(state, "L3_2", "L3_5", true);
}
BENCHMARK(BM_SwatchClick);
BENCHMARK(BM_SwatchClickAndRepaint);

// Three bands and five: 30 controls shown or hidden, then the results.
void BM_BandCountChange(benchmark::State &state)
{
    alternate(state, "L3_En", "L5_En", false);
}
void BM_BandCountChangeAndRepaint(benchmark::State &state)
{
    alternate(state, "L3_En", "L5_En", true);
}
BENCHMARK(BM_BandCountChange);
BENCHMARK(BM_BandCountChangeAndRepaint);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication(app);
    Zomar zomar;
    zomar.show();
    window = &zomar;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
