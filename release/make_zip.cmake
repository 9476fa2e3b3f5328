# Stages and packs the release folder. Run by the "release" target with
# STAGE, ZIP, PROGRAM, TOOL, DATA (the tool's data files), DROP_TARGETS (the
# scripts to drop texts on), SAMPLES_DIR, CHARTS (the key charts' pages),
# GUIDE, LICENSE, NOTICES, TABLE_NOTICE, LICENSES_DIR, VERSION and STRIP set.
get_filename_component(stageParent ${STAGE} DIRECTORY)
get_filename_component(stageName ${STAGE} NAME)
file(REMOVE_RECURSE ${STAGE})
file(REMOVE ${ZIP})
file(MAKE_DIRECTORY ${STAGE}/samples/86 ${STAGE}/samples/98 ${STAGE}/licenses)

file(COPY ${PROGRAM} ${TOOL} ${DATA} DESTINATION ${STAGE})
# The link already strips; this keeps a debug build's zip small as well.
get_filename_component(programName ${PROGRAM} NAME)
get_filename_component(toolName ${TOOL} NAME)
execute_process(COMMAND ${STRIP} --strip-all ${STAGE}/${programName} ${STAGE}/${toolName}
    RESULT_VARIABLE stripped)
if(NOT stripped EQUAL 0)
    message(FATAL_ERROR "cannot strip the programs")
endif()

# The course: one folder of numbered lessons a version.
foreach(version 86 98)
    file(GLOB lessons ${SAMPLES_DIR}/${version}/*.txt)
    file(COPY ${lessons} DESTINATION ${STAGE}/samples/${version})
endforeach()
# The key charts beside the guide, where a learner looks first.
file(COPY ${CHARTS} DESTINATION ${STAGE})

# The scripts to drop texts on: CR LF and no byte-order mark, which cmd would
# take for part of its first command.
foreach(target ${DROP_TARGETS})
    get_filename_component(targetName ${target} NAME)
    file(READ ${target} script)
    string(REPLACE "\r\n" "\n" script "${script}")
    string(REPLACE "\n" "\r\n" script "${script}")
    file(WRITE ${STAGE}/${targetName} "${script}")
endforeach()

# Documents: UTF-8 with a byte-order mark and CR LF, which Notepad opens
# correctly whatever the system code page.
string(ASCII 239 187 191 byteOrderMark)
function(write_document source target)
    file(READ ${source} text)
    string(REPLACE "@PROJECT_VERSION@" "${VERSION}" text "${text}")
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${STAGE}/${target} "${byteOrderMark}${text}")
endfunction()
write_document(${GUIDE} README-zh.txt)
write_document(${LICENSE} LICENSE.txt)
write_document(${NOTICES} NOTICES.txt)
write_document(${TABLE_NOTICE} COPYING-samples.txt)
file(GLOB licences RELATIVE ${LICENSES_DIR} ${LICENSES_DIR}/*.txt)
foreach(licence ${licences})
    write_document(${LICENSES_DIR}/${licence} licenses/${licence})
endforeach()

execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${stageName}
    WORKING_DIRECTORY ${stageParent}
    RESULT_VARIABLE packed)
if(NOT packed EQUAL 0)
    message(FATAL_ERROR "cannot pack ${ZIP}")
endif()
