# resources of tree
