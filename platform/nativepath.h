#pragma once

#include <QString>

#include <filesystem>
#include <optional>

// Paths as the system spells them: bytes on Unix, UTF-16 on Windows.
namespace platform {

std::filesystem::path NativePath(const QString& path);

// The path as Qt spells it, or none when its bytes would not survive
// decoding and encoding again (Qt could then not open it).
std::optional<QString> QtPath(const std::filesystem::path& path);

} // namespace platform
