#include "tests/wine/NotifyIconRecorder.h"

#include <algorithm>
#include <cstring>

namespace test_support {

namespace {

using TNotifyIconA = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);

TNotifyIconRecorder* active = nullptr;
TNotifyIconA original = nullptr;

// The slot of an imported function in this executable's import address table.
void** ImportSlot(const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
  for (; descriptor->Name != 0; ++descriptor) {
    if (_stricmp(reinterpret_cast<char*>(base + descriptor->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<char*>(byName->Name), function) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

void Patch(void** slot, void* value) {
  DWORD protection = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, protection, &protection);
}

}  // namespace

TNotifyIconRecorder::TNotifyIconRecorder() {
  void** slot = ImportSlot("shell32.dll", "Shell_NotifyIconA");
  if (slot == nullptr) return;
  if (original == nullptr) original = reinterpret_cast<TNotifyIconA>(*slot);
  Patch(slot, reinterpret_cast<void*>(&Replacement));
  active = this;
}

TNotifyIconRecorder::~TNotifyIconRecorder() {
  if (active != this) return;
  active = nullptr;
  if (void** slot = ImportSlot("shell32.dll", "Shell_NotifyIconA")) {
    Patch(slot, reinterpret_cast<void*>(original));
  }
}

BOOL TNotifyIconRecorder::Original(DWORD command, NOTIFYICONDATAA* data) {
  return original != nullptr ? original(command, data) : FALSE;
}

BOOL WINAPI TNotifyIconRecorder::Replacement(DWORD command, PNOTIFYICONDATAA data) {
  TNotifyIconCall call{command, {}, FALSE};
  if (data != nullptr)
    std::memcpy(&call.data, data, std::min<size_t>(sizeof call.data, data->cbSize));
  if (active != nullptr && active->OnCall) active->OnCall(call);
  call.result = Original(command, data);
  if (active != nullptr) {
    active->calls_.push_back(call);
    if (command == NIM_ADD) active->log_.push_back("add");
    if (command == NIM_DELETE) active->log_.push_back("delete");
  }
  return call.result;
}

std::vector<TNotifyIconCall> TNotifyIconRecorder::Calls(std::vector<DWORD> commands) const {
  std::vector<TNotifyIconCall> selected;
  for (const TNotifyIconCall& call : calls_) {
    bool wanted = commands.empty();
    for (DWORD c : commands) wanted = wanted || c == call.command;
    if (wanted) selected.push_back(call);
  }
  return selected;
}

void TNotifyIconRecorder::Clear() {
  calls_.clear();
  log_.clear();
}

}  // namespace test_support
