// An error that Word raises: its number and its text, as Word words them.
#pragma once

#include <string>

namespace hxword {

struct WordError {
    long code;
    std::wstring text;
};

// Word's errors met by the object model here.
inline WordError noSuchMember() {
    return {5941, L"The requested member of the collection does not exist."};
}
inline WordError noDocument() {
    return {4248, L"This command is not available because no document is open."};
}
inline WordError valueOutOfRange() {
    return {4608, L"Value out of range"};
}
inline WordError objectDeleted() {
    return {5825, L"Object has been deleted."};
}
inline WordError commandNotAvailable() {
    return {4605, L"This command is not available."};
}

} // namespace hxword
