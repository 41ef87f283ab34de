#pragma once

namespace corvanta {

// One row of the conversion queue: six text cells by column and an icon.
// A row's input path is its folder cell followed directly by its name cell.
inline constexpr int kQueueNumberColumn = 0;
inline constexpr int kQueueFileNameColumn = 1;
inline constexpr int kQueueInputSizeColumn = 2;
inline constexpr int kQueueStatusColumn = 3;
inline constexpr int kQueueOutputSizeColumn = 4;
inline constexpr int kQueueFolderColumn = 5;

inline constexpr int kAddedIcon = 0;
inline constexpr int kConvertingIcon = 1;
inline constexpr int kFailedIcon = 2;
inline constexpr int kDoneIcon = 3;

inline constexpr const char* kWaitingStatus = "等待";
inline constexpr const char* kConvertingStatus = "正在转换";
inline constexpr const char* kDoneStatus = "完成";

// The utility library's size text for a missing or empty file; an output
// with this size marks its row failed.
inline constexpr const char* kZeroSizeText = "0 字节";

}  // namespace corvanta
