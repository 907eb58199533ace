// Click latency, offscreen: a swatch click through to the new result texts,
// and a band-count change with its shows and hides; each also with the
// repaint of the whole window.
#include "platform/colorlabel.h"
#include "platform/optionbutton.h"
#include "window/zomar.h"

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

template <typename T>
T *control(const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

void swatchClick(benchmark::State &state, bool repaint)
{
    ColorLabel *swatches[] = {control<ColorLabel>("L3_2"), control<ColorLabel>("L3_5")};
    int i = 0;
    for (auto _ : state) {
        click(swatches[i ^= 1]);
        if (repaint) {
            QPixmap picture = window->grab();
            benchmark::DoNotOptimize(picture);
        }
    }
}

void BM_SwatchClick(benchmark::State &state) { swatchClick(state, false); }
void BM_SwatchClickAndRepaint(benchmark::State &state) { swatchClick(state, true); }
BENCHMARK(BM_SwatchClick);
BENCHMARK(BM_SwatchClickAndRepaint);

void countChange(benchmark::State &state, bool repaint)
{
    OptionButton *options[] = {control<OptionButton>("L3_En"), control<OptionButton>("L5_En")};
    int i = 0;
    for (auto _ : state) {
        click(options[i ^= 1]);
        if (repaint) {
            QPixmap picture = window->grab();
            benchmark::DoNotOptimize(picture);
        }
    }
}

void BM_BandCountChange(benchmark::State &state) { countChange(state, false); }
void BM_BandCountChangeAndRepaint(benchmark::State &state) { countChange(state, true); }
BENCHMARK(BM_BandCountChange);
BENCHMARK(BM_BandCountChangeAndRepaint);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Zomar::prepareApplication(app);
    Zomar zomar;
    zomar.show();
    window = &zomar;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
