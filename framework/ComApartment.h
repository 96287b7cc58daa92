#pragma once
// COM on the calling thread for as long as the object lives: a single-threaded
// apartment, entered on whatever terms the thread already has (a thread in
// COM already only counts one more entry) and left again only when entered.
#include <objbase.h>

namespace fw {

class ComApartment {
public:
    ComApartment() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(result_))
            ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

} // namespace fw
