// The numbers and records of Visio's add-on library protocol, as this library sends and
// answers them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace libraryProtocol {

// Messages from Visio to the library (only their low 16 bits count).
constexpr uint16_t kLoad = 0x2000;
constexpr uint16_t kUnload = 0x2001;
constexpr uint16_t kRegister = 0x3000;
constexpr uint16_t kIsEnabled = 0x3001;
constexpr uint16_t kRun = 0x3002;
constexpr uint16_t kAbout = 0x3003;
constexpr uint16_t kHelp = 0x3004;
constexpr uint16_t kShutDown = 0x3005;

// Answers.
constexpr uint16_t kOk = 0;
constexpr uint16_t kLoaded = 0x0203;
constexpr uint16_t kForeignCallback = 0x4000;
constexpr uint16_t kEnabled = 0x5000;
constexpr uint16_t kNotRegistered = 0x1000;
constexpr uint16_t kUnknownMessage = 0x5005;

// The code with which the library hands Visio its registration records.
constexpr uint16_t kRegisterCallbackCode = 0x5000;

// Where the register structure holds the value that goes back to Visio with the records,
// and where the run record holds the pointer to the argument string.
constexpr std::size_t kRegisterValueOffset = 8;
constexpr std::size_t kRunArgumentOffset = 14;

// Visio's callback, handed over with the load message.
using VisioCallback = uint16_t (*)(uint16_t code, uint16_t value, void* data);

// The registration record of one add-on: packed, little-endian. Its name pointer has
// the pointer's own width, so the record is 14 bytes in a 32-bit build and 18 bytes in
// a 64-bit build, where the pointer's eight bytes start at the same offset 10.
#pragma pack(push, 1)
struct RegistrationRecord {
    uint16_t index;
    uint16_t attributes;
    uint16_t word4;
    uint16_t word6;
    uint16_t word8;
    const char* name;
};
#pragma pack(pop)

static_assert(offsetof(RegistrationRecord, name) == 10, "the name pointer stands at offset 10");
static_assert(sizeof(RegistrationRecord) == 10 + sizeof(void*), "the record is packed");

// The values this add-on registers with.
constexpr uint16_t kRecordAttributes = 0x0019;
constexpr uint16_t kRecordWord4 = 0xFFFF;

}  // namespace libraryProtocol
