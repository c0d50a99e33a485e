# A path of this machine as a Windows program under Wine sees it (Wine's drive Z: is the
# root).
function(windows_path path out)
  string(REPLACE "/" "\\" path "${path}")
  set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()
