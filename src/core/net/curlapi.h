#pragma once

#include <curl/curl.h>

// The libcurl functions the transfers call, found when the first transfer
// starts. The program does not link libcurl: with the libraries it pulls
// in (TLS, Kerberos, LDAP, SSH and more) it would add about a fifth to
// every start, for a feature many sessions never use.
struct CurlApi
{
    decltype(&::curl_global_init) global_init;
    decltype(&::curl_easy_init) easy_init;
    decltype(&::curl_easy_cleanup) easy_cleanup;
    decltype(&::curl_easy_setopt) easy_setopt;
    decltype(&::curl_easy_getinfo) easy_getinfo;
    decltype(&::curl_easy_strerror) easy_strerror;
    decltype(&::curl_multi_init) multi_init;
    decltype(&::curl_multi_cleanup) multi_cleanup;
    decltype(&::curl_multi_add_handle) multi_add_handle;
    decltype(&::curl_multi_remove_handle) multi_remove_handle;
    decltype(&::curl_multi_perform) multi_perform;
    decltype(&::curl_multi_poll) multi_poll;
    decltype(&::curl_multi_info_read) multi_info_read;
    decltype(&::curl_multi_strerror) multi_strerror;
    decltype(&::curl_slist_append) slist_append;
    decltype(&::curl_slist_free_all) slist_free_all;

    // Loads libcurl and runs its global set-up, once per process. Throws
    // TarnelError naming the library when it cannot be loaded.
    static const CurlApi &get();
};
