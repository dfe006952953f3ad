#pragma once
// Runs a piece of widget work on the interface thread. Called on the interface thread it runs at
// once; called from a worker it is queued to the interface thread and the worker waits for it.
// Without a running application (or once it is gone) the work is not run and the result is the
// type's empty value, so a late worker never touches a destroyed widget.
#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <type_traits>

namespace dalmiro {

template <typename Work> auto OnGuiThread(QObject* context, Work&& work) -> decltype(work()) {
    using Result = decltype(work());
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || context == nullptr) {
        if constexpr (std::is_void_v<Result>)
            return;
        else
            return Result{};
    }
    if (QThread::currentThread() == app->thread()) {
        return work();
    }
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(
            context, [&work] { work(); }, Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(
            context, [&work, &result] { result = work(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

inline bool OnGuiThreadNow() {
    QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

} // namespace dalmiro
