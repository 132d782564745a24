// The master-data files as the windows and the lists read them: school data, pupil list and class,
// club list, the paths of the administration export, the photo list.
#include "core/ClassData.h"
#include "core/MasterData.h"
#include "FuzzFolder.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zt;
    fuzz::putInput(BaseDataFile, data, size);
    loadBaseData();
    fuzz::putInput(StudentsFile, data, size);
    const StudentList list = loadStudents();
    if (list.Count < 0 || list.Count > PupilSlots)
        __builtin_trap();
    LoadClassData();
    fuzz::putInput(ClubListFile, data, size);
    loadClubList();
    fuzz::putInput(SibankPathFile, data, size);
    loadSibankPath();
    fuzz::putInput(SibankDefaultsFile, data, size);
    loadSibankDefaults();
    fuzz::putInput(PictureListFile, data, size);
    const PictureList pictures = loadPictureList();
    if (pictures.Count < 0 || pictures.Count > PupilSlots)
        __builtin_trap();
    return 0;
}
