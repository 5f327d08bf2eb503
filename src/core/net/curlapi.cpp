#include "curlapi.h"

#include "common/tarnelerror.h"

#include <QCoreApplication>
#include <dlfcn.h>
#include <mutex>

namespace {

constexpr const char *libraryName = "libcurl.so.4";

struct Loaded
{
    CurlApi api{};
    QString failure; // empty when every function was found
};

template <typename Function> void resolve(void *library, const char *name, Function *function, QString *failure)
{
    *function = reinterpret_cast<Function>(dlsym(library, name));
    if (!*function && failure->isEmpty())
        *failure = QString::fromLatin1(name);
}

Loaded load()
{
    Loaded loaded;
    // Kept loaded for the rest of the process, as a linked library would be.
    void *library = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        loaded.failure = QString::fromLocal8Bit(dlerror());
        return loaded;
    }
    CurlApi &api = loaded.api;
    QString *failure = &loaded.failure;
    resolve(library, "curl_global_init", &api.global_init, failure);
    resolve(library, "curl_easy_init", &api.easy_init, failure);
    resolve(library, "curl_easy_cleanup", &api.easy_cleanup, failure);
    resolve(library, "curl_easy_setopt", &api.easy_setopt, failure);
    resolve(library, "curl_easy_getinfo", &api.easy_getinfo, failure);
    resolve(library, "curl_easy_strerror", &api.easy_strerror, failure);
    resolve(library, "curl_multi_init", &api.multi_init, failure);
    resolve(library, "curl_multi_cleanup", &api.multi_cleanup, failure);
    resolve(library, "curl_multi_add_handle", &api.multi_add_handle, failure);
    resolve(library, "curl_multi_remove_handle", &api.multi_remove_handle, failure);
    resolve(library, "curl_multi_perform", &api.multi_perform, failure);
    resolve(library, "curl_multi_poll", &api.multi_poll, failure);
    resolve(library, "curl_multi_info_read", &api.multi_info_read, failure);
    resolve(library, "curl_multi_strerror", &api.multi_strerror, failure);
    resolve(library, "curl_slist_append", &api.slist_append, failure);
    resolve(library, "curl_slist_free_all", &api.slist_free_all, failure);
    if (failure->isEmpty())
        api.global_init(CURL_GLOBAL_DEFAULT);
    return loaded;
}

} // namespace

const CurlApi &CurlApi::get()
{
    static Loaded loaded;
    static std::once_flag once;
    std::call_once(once, [] { loaded = load(); });
    if (!loaded.failure.isEmpty()) {
        throw TarnelError(QCoreApplication::translate("CurlApi", "The network library %1 cannot be used: %2")
                              .arg(QLatin1String(libraryName), loaded.failure));
    }
    return loaded.api;
}
