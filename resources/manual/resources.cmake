# resources of manual
