#pragma once

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

// A view the start does not need, made the first time it is reached and kept from then on. What must be done to it
// once made (connections to its controls, what the catalogue filled meanwhile) waits as hooks, run in the order
// they came.
class LazyWidget
{
public:
    using Make = std::function<QWidget*()>;

    explicit LazyWidget(Make make) : m_make(std::move(make)) {}
    LazyWidget(const LazyWidget&) = delete;
    LazyWidget& operator=(const LazyWidget&) = delete;

    // The view, made now when it was not.
    QWidget* widget()
    {
        if (!m_widget) {
            m_widget = m_make();
            for (const auto& hook : m_hooks)
                hook(*m_widget);
            m_hooks.clear();
        }
        return m_widget;
    }
    // The view, or null while it has not been made.
    QWidget* widgetIfMade() const { return m_widget; }

    // Runs the hook on the view as soon as it is made: now, when it already is.
    void whenWidgetMade(std::function<void(QWidget&)> hook)
    {
        if (m_widget)
            hook(*m_widget);
        else
            m_hooks.push_back(std::move(hook));
    }

private:
    Make m_make;
    QWidget* m_widget = nullptr;
    std::vector<std::function<void(QWidget&)>> m_hooks;
};

// The same, for handlers that reach the view's own controls. make returns a View.
template <typename View> class ViewSlot final : public LazyWidget
{
public:
    explicit ViewSlot(Make make) : LazyWidget(std::move(make)) {}

    View& get() { return static_cast<View&>(*widget()); }
    View* operator->() { return &get(); }
    View* ifMade() const { return static_cast<View*>(widgetIfMade()); }

    template <typename Hook> void whenMade(Hook hook)
    {
        whenWidgetMade([hook = std::move(hook)](QWidget& view) { hook(static_cast<View&>(view)); });
    }
};
