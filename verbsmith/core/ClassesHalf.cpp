#include "verbsmith/core/ClassesHalf.h"
#include "common/Elevation.h"
#include "verbsmith/core/KeyNames.h"

ClassesHalf HalfOf(EntryScope scope) {
    return scope == EntryScope::kMachine ? ClassesHalf::kMachine : ClassesHalf::kUser;
}

ClassesHalf DefaultHalf() {
    return NeedsRights(ClassesHalf::kMachine) ? ClassesHalf::kUser : ClassesHalf::kMachine;
}

bool NeedsRights(ClassesHalf half) {
    return half == ClassesHalf::kMachine && ProcessElevation().Read() != Elevation::kElevated;
}

RegistryPlace HalfPlace(ClassesHalf half, const tstring& path) {
    return half == ClassesHalf::kUser ? classes::UserPlace(path) : classes::MachinePlace(path);
}

std::wstring HalfKeyName(ClassesHalf half, const std::wstring& path) {
    return (half == ClassesHalf::kUser ? kUserClassesName : kMachineClassesName) + (L"\\" + path);
}
