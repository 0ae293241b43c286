// ObjectInstance: a fixed pool of ordinary functions, each forwarding to the callable stored in its slot, so
// that an object method can be installed where a plain WNDPROC is expected.
#include "platform/core/WinUser.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace win {

namespace {

constexpr int kSlots = 2048;
std::array<std::unique_ptr<ObjectInstance::Method>, kSlots> g_methods;
std::vector<int> g_free;
int g_nextFresh = 0;
int g_depth = 0;
// Methods of freed instances wait here until no forwarded call is running: an object commonly frees its
// instance from inside its own message method.
std::vector<std::unique_ptr<ObjectInstance::Method>> g_retired;

void DropRetired() {
    if (g_depth == 0)
        g_retired.clear();
}

template <int N> LRESULT Thunk(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // A procedure called after its instance was freed falls back to the default: never a dangling call.
    ObjectInstance::Method* m = g_methods[N].get();
    if (!m)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    ++g_depth;
    LRESULT r = (*m)(hwnd, msg, wParam, lParam);
    --g_depth;
    return r;
}

template <int... I> constexpr std::array<WNDPROC, sizeof...(I)> MakeThunks(std::integer_sequence<int, I...>) {
    return {&Thunk<I>...};
}

constexpr auto kThunks = MakeThunks(std::make_integer_sequence<int, kSlots>{});

} // namespace

ObjectInstance::ObjectInstance(Method method) {
    DropRetired();
    if (!method)
        return;
    if (!g_free.empty()) {
        m_slot = g_free.back();
        g_free.pop_back();
    } else if (g_nextFresh < kSlots) {
        m_slot = g_nextFresh++;
    } else {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return;
    }
    g_methods[m_slot] = std::make_unique<Method>(std::move(method));
    m_proc = kThunks[m_slot];
}

ObjectInstance::~ObjectInstance() {
    if (m_slot < 0)
        return;
    g_retired.push_back(std::move(g_methods[m_slot]));
    DropRetired();
    g_free.insert(g_free.begin(), m_slot); // reuse the oldest freed slot last
}

} // namespace win
