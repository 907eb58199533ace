#include "testkit.h"

#include "resultbox.h"

namespace zomar::test {

void WindowTest::open(NumberText numbers)
{
    m_window = std::make_unique<Zomar>(std::move(numbers));
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qFatal("the window was not exposed");
    m_controls.clear();
    for (QWidget *w : m_window->findChildren<QWidget *>())
        m_controls.insert(w->objectName(), w);
}

void WindowTest::click(QAnyStringView name, QPoint at) const
{
    QWidget *w = get(name);
    if (at.x() < 0)
        at = w->rect().center();
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, w->mapTo(m_window.get(), at));
}

QString WindowTest::text(QAnyStringView name) const
{
    return get<ResultBox>(name)->text();
}

} // namespace zomar::test
