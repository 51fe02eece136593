// The texts that the list-file checker prints, in Shift-JIS (code page 932) like the program's
// own messages. Placeholders "%s" are filled in order.
#pragma once

enum class CheckText {
    ListFile,  // %s the list file's path
    IgnoredLine,  // %s line number, %s the line
    FolderLine,  // %s line number, %s SoundFolder
    FolderLineEmpty,  // %s line number
    EntryKept,  // %s line, setting, index, entry, full path, FileFound or FileMissing
    FileFound,
    FileMissing,
    EntrySkipped,  // %s line number, setting, the line
    HeadingMatched,  // %s line number
    HeadingNotMatched,  // %s line number, the line
    NeverRead,  // %s line number, the line
    StoppedAtEnd,  // %s line number
    StoppedAtCtrlZ,  // %s line number
    StoppedAtHeading,
    StoppedAfterWallpapers,
    SettingsHeader,
    SettingCount,  // %s setting, count, current value
    CurrentEmpty,
    NextChoices,  // %s the entries
    NeverWritten,  // %s the entries
    NoCandidates,  // %s setting
    NotRotatedHere,  // %s setting, count
    WarningsHeader,  // %s count
    NoWarnings,
    LineWarning,  // %s line number, the warning
    StartSoundName,
    ExitSoundName,
    ScreenSaverName,
    WallpaperName,
    HeadingInUtf8,
    HeadingHalfWidth,
    HeadingDiffers,
    HeadingAtEntry,
    EntryAtHeading,
    NotUseVariant,
    LineFeedOnly,
    EmptyFolder,
    FullPathEntry,  // %s the prefix
    MissingFile,  // %s the full path
    NotWave,  // %s the full path
    NotProgram,  // %s the full path
    NotPicture,  // %s the full path
    PolicyScreenSaver,  // %s the value name
    NoExitSoundPlayed,
    StartupSoundOptIn,
    MissingListFile,  // %s the path
    CannotRead,  // %s the failure's message
    CannotReadSetting,  // %s the failure's message
    TemplateWritten,  // %s the path
    TemplateRefused,  // %s the path
    Usage,
};

const char* CheckTextOf(CheckText id);
