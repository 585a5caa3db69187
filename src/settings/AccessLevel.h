#pragma once
// The access level: Settings.ini [User Mode] Level holds an eight-digit code.
// The full-level code opens every command; the factory-level code opens the
// factory commands (Factory Mode, Write Tune Data) but not Memory Update and
// the change log; any other value opens neither.

enum class AccessLevel { User, Factory, Full };

namespace AccessCode {
constexpr int kFull = 52806273;
constexpr int kFactory = 52718394;
}  // namespace AccessCode

constexpr AccessLevel accessLevelOf(int code)
{
    return code == AccessCode::kFull      ? AccessLevel::Full
           : code == AccessCode::kFactory ? AccessLevel::Factory
                                          : AccessLevel::User;
}
