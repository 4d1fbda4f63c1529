#pragma once

#include <QPointer>

class QWidget;

// The one global instance of a window class. It is built on first use and lives until it is
// closed (every window deletes itself on closing); the next use builds a fresh one, as a window
// that was unloaded loads again when it is touched.
template <typename Form> class GlobalForm
{
public:
    // The loaded instance, or nullptr.
    static Form* loaded() { return s_instance.data(); }

    // The instance, built now when there is none; parent counts only then.
    static Form* get(QWidget* parent = nullptr)
    {
        if (!s_instance)
            s_instance = new Form(parent);
        return s_instance.data();
    }

private:
    static inline QPointer<Form> s_instance;
};
