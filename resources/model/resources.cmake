# resources of model
