// The backup set and the restore-information file.
#include <gtest/gtest.h>

#include "backup/BackupSet.h"

namespace {

TEST(BackupSet, RowsInOrderWithTheirCaptionsStartStatesAndStoredNames) {
  std::vector<std::string> checked, captions;
  for (const TBackupRow& row : kBackupSet) {
    captions.push_back(row.caption);
    if (row.checkedAtStart) checked.push_back(row.storedName);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"User.dat", "System.dat", "Win.ini", "System.ini", "Control.ini",
                                                "Protocol.ini", "Autoexec.bat", "Config.sys", "msdos.sys",
                                                "io.sys"}));
  EXPECT_EQ(checked, (std::vector<std::string>{"USER.DAT", "SYSTEM.DAT", "WIN.INI", "SYSTEM.INI", "CONTROL.INI",
                                               "Autoexec.bat", "Config.sys", "MSDOS.SYS"}));
  EXPECT_EQ(HomePath(kBackupSet[0], "C:\\WINDOWS", "C:\\"), "C:\\WINDOWS\\USER.DAT");
  EXPECT_EQ(HomePath(kBackupSet[6], "C:\\WINDOWS", "D:\\"), "D:\\Autoexec.bat");
}

TEST(BackupSet, OneFinalBackslashLeavesTheFolder) {
  EXPECT_EQ(NormaliseBackupFolder("D:\\Sich\\"), "D:\\Sich");
  EXPECT_EQ(NormaliseBackupFolder("D:\\"), "D:");
  EXPECT_EQ(NormaliseBackupFolder("D:\\Sich"), "D:\\Sich");
  EXPECT_EQ(NormaliseBackupFolder("\\\\server\\share\\\\"), "\\\\server\\share\\");
}

TEST(RestoreInformation, HeaderThenOneLinePerPairInAnsiWithCrLf) {
  EXPECT_EQ(RestoreInformationText({{"C:\\WINDOWS\\USER.DAT", "D:\\Sich\\USER.DAT"},
                                    {"C:\\Autoexec.bat", "D:\\Sich\\Autoexec.bat"}}),
            ";Velmora Wiederherstellungsinformationen\r\n;\r\n"
            "; F\xFChren Sie keine \xC4nderungen an dieser Datei durch!\r\n;\r\n"
            ";Auf KEINEN Fall die Schreibung der Dateinamen \xE4ndern, ansonsten erkennt der Velmora diese nicht "
            "mehr!\r\n;\r\n[BACKUP]\r\nUSER.DAT=C:\\WINDOWS\\USER.DAT\r\nAutoexec.bat=C:\\Autoexec.bat\r\n");
}

}  // namespace
